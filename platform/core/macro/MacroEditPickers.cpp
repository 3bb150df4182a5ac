#include "core/macro/MacroEditPickers.h"

#include <deque>
#include <map>

namespace {

std::map<macro_edit_pickers::Pick, std::deque<Mdx_String>>& queued() {
    static std::map<macro_edit_pickers::Pick, std::deque<Mdx_String>> answers;
    return answers;
}

}  // namespace

namespace macro_edit_pickers {

void queue(Pick pick, const Mdx_String& answer) {
    queued()[pick].push_back(answer);
}

bool take(Pick pick, Mdx_String& answer) {
    std::deque<Mdx_String>& answers = queued()[pick];
    if (answers.empty()) return false;
    answer = answers.front();
    answers.pop_front();
    return true;
}

int queuedCount(Pick pick) {
    return static_cast<int>(queued()[pick].size());
}

bool takePosition(Mdx_Point3& point) {
    Mdx_String answer;
    return take(Pick::Position, answer) && parsePoint(answer, point);
}

void clear() {
    queued().clear();
}

}  // namespace macro_edit_pickers
