#include "EvaluateSession.h"

#include <unistd.h>

#include "EvaluateError.h"
#include "core/Mdx_String.h"
#include "frame/ModuleEntry.h"
#include "frame/StandardsLaunch.h"
#include "host/CommandLine.h"
#include "host/ModuleLoader.h"
#include "resources/ModuleResources.h"
#include "win/Profile.h"
#include "win/ScriptedUser.h"

namespace fs = std::filesystem;

EvaluateSession::EvaluateSession()
    : profile_(fs::temp_directory_path() / ("mdx-evaluate-" + std::to_string(::getpid()))) {
    // A fresh profile: saved dialog sizes and registry values of the user's other sessions
    // must not change what an evaluation does.
    fs::create_directories(profile_);
    win::setProfileFolder(profile_);
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
    std::error_code ignored;
    fs::remove_all(profile_, ignored);
}

bool EvaluateSession::evaluate(KvDlgStandardsData& request) {
    return StartDlgStandardsSS(request);
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
