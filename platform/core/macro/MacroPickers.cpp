#include "core/macro/MacroPickers.h"

#include <deque>
#include <map>

#include "core/macro/MacroData.h"
#include "host/AcDbDatabase.h"
#include "host/AcTransaction.h"

namespace {

using macro_pickers::Picker;

std::map<Picker, std::deque<Mdx_String>>& answers() {
    static std::map<Picker, std::deque<Mdx_String>> queued;
    return queued;
}

bool takeAnswer(Picker picker, Mdx_String& answer) {
    std::deque<Mdx_String>& queue = answers()[picker];
    if (queue.empty()) return false;
    answer = queue.front();
    queue.pop_front();
    return true;
}

}  // namespace

namespace macro_pickers {

void queueAnswer(Picker picker, const Mdx_String& answer) {
    answers()[picker].push_back(answer);
}

int queuedCount(Picker picker) {
    return static_cast<int>(answers()[picker].size());
}

void clear() {
    answers().clear();
}

}  // namespace macro_pickers

bool SelectOtherMacros(MacroData& data) {
    Mdx_String handle;
    if (!data.database() || !takeAnswer(Picker::OtherMacros, handle)) return false;
    AcDbObjectId id;
    for (AcDbObjectId candidate : data.database()->objectIds())
        if (Mdx_String::fromInt(static_cast<long long>(candidate.handle())) == handle) id = candidate;
    if (id.isNull() || data.macroIds().contains(id)) return false;
    AcTransaction transaction(*data.database());
    if (data.addMacro(id, transaction) != Acad::eOk) return false;
    transaction.commit();
    return true;
}

bool UserSelectPlane(Mdx_String& plane) {
    Mdx_String answer;
    if (!takeAnswer(Picker::Plane, answer) || answer.isEmpty()) return false;
    plane = answer;
    return true;
}

bool selectCoordSys() {
    Mdx_String answer;
    return takeAnswer(Picker::CoordSys, answer);
}

bool DlgSelectProf(const Mdx_String& /*initialName*/, Mdx_String& chosen) {
    Mdx_String answer;
    if (!takeAnswer(Picker::Section, answer) || answer.isEmpty()) return false;
    chosen = answer;
    return true;
}
