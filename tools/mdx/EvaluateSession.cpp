#include "EvaluateSession.h"

#include "EvaluateError.h"
#include "core/Mdx_String.h"
#include "frame/ModuleEntry.h"
#include "frame/StandardsLaunch.h"
#include "host/CommandLine.h"
#include "host/ModuleLoader.h"
#include "resources/ModuleResources.h"
#include "win/Profile.h"
#include "win/ScriptedUser.h"

namespace {

TempProfile makeProfile() {
    try {
        return TempProfile("mdx-evaluate-");
    } catch (const std::runtime_error& error) {
        throw EvaluateError(EvaluateExit::ProfileUnusable, error.what());
    }
}

}  // namespace

EvaluateSession::EvaluateSession() : profile_(makeProfile()) {
    win::setProfileFolder(profile_.folder());
    win::user::reset();
    host::CommandLine::reset();
    HINSTANCE module = resources::moduleResourceHandle();
    if (!module || !defineMeridoxModule(module) ||
        host::ModuleLoader::load(kMeridoxModuleName) != Acad::eOk)
        throw EvaluateError(EvaluateExit::ModuleMissing,
                            "the module did not load; its resources are looked for in " +
                                resources::moduleResourceFolder().string() +
                                " (set MDX_RESOURCES to move them)");
}

EvaluateSession::~EvaluateSession() {
    if (host::ModuleLoader::isLoaded(kMeridoxModuleName))
        host::ModuleLoader::unload(kMeridoxModuleName);
    win::setProfileFolder({});
}

bool EvaluateSession::evaluate(KvDlgStandardsData& request) {
    return StartDlgStandardsSS(request);
}

void EvaluateSession::clearRecords() {
    win::user::reset();
    host::CommandLine::reset();
}

std::vector<ShownMessage> EvaluateSession::messages() const {
    std::vector<ShownMessage> shown;
    for (const win::MessageBoxRecord& box : win::user::messageBoxes())
        shown.push_back(
            {Mdx_String(box.caption.c_str()).toUtf8(), Mdx_String(box.text.c_str()).toUtf8()});
    return shown;
}

std::string EvaluateSession::commandLine() const {
    return Mdx_String(host::CommandLine::transcript().c_str()).toUtf8();
}
