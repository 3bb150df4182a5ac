#include "ScenarioRunner.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "ScenarioError.h"
#include "ScenarioFile.h"
#include "ScenarioLaunchPoints.h"
#include "ScenarioLibrary.h"
#include "ScenarioUser.h"
#include "ScenarioValues.h"
#include "TempProfile.h"
#include "core/Mdx_Settings.h"
#include "core/macro/MacroData.h"
#include "frame/MacroDialogSlots.h"
#include "frame/MacroSlotDialog.h"
#include "frame/ModuleEntry.h"
#include "macrodlg/DlgMacroModeless.h"
#include "host/CommandLine.h"
#include "host/ModuleLoader.h"
#include "resources/ModuleResources.h"
#include "win/FilePaths.h"
#include "win/Profile.h"
#include "win/ScriptedUser.h"
#include "win/Tooltips.h"
#include "win/Timers.h"

namespace {

using nlohmann::json;
namespace fs = std::filesystem;

const char* const kStepKinds[] = {"load", "unload", "message", "call", "clock", "busy"};

std::string stepKind(const json& step) {
    if (!step.is_object() || !step.contains("step") || !step["step"].is_string())
        throw ScenarioError("needs a \"step\" naming what it does");
    const std::string kind = step["step"].get<std::string>();
    for (const char* known : kStepKinds)
        if (kind == known) return kind;
    throw ScenarioError("unknown step \"" + kind + "\"");
}

void checkCall(const json& step) {
    if (!step.contains("launch") || !step["launch"].is_string())
        throw ScenarioError("a call needs \"launch\", the name of a launch point");
    const std::string name = step["launch"].get<std::string>();
    const scenario::LaunchPoint* point = scenario::findLaunchPoint(name);
    if (!point)
        throw ScenarioError("unknown launch point \"" + name +
                            "\" (known: " + scenario::launchPointNames() + ")");
    const json args = step.value("args", json::object());
    if (!args.is_object()) throw ScenarioError("\"args\" must be an object");
    point->check(args);
    const json user = step.value("user", json::array());
    if (!user.is_array()) throw ScenarioError("\"user\" must be a list of user steps");
    for (std::size_t i = 0; i < user.size(); ++i) {
        try {
            scenario::checkUserAction(user[i]);
        } catch (const ScenarioError& error) {
            throw ScenarioError("user step " + std::to_string(i + 1) + ": " + error.what());
        }
    }
}

void checkStep(const json& step) {
    const std::string kind = stepKind(step);
    if (kind == "message") scenario::requiredInt(step, "message");
    if (kind == "clock" && scenario::requiredInt(step, "ms") < 0)
        throw ScenarioError("\"ms\" must not be negative");
    if (kind == "busy") {
        scenario::requiredInt(step, "slot");
        scenario::boolField(step, "busy", true);
    }
    if (kind == "call") checkCall(step);
}

std::string describe(const json& step) {
    std::string text = step["step"].get<std::string>();
    if (step.contains("launch") && step["launch"].is_string())
        text += " " + step["launch"].get<std::string>();
    return text;
}

class Session {
public:
    explicit Session(std::ostream& out) : out(out) {}

    void run(const json& step) {
        const std::string kind = step["step"].get<std::string>();
        if (kind == "load") load();
        if (kind == "unload") unload();
        if (kind == "message") message(scenario::requiredInt(step, "message"));
        if (kind == "clock")
            win::advanceClock(static_cast<DWORD>(scenario::requiredInt(step, "ms")));
        if (kind == "busy")
            setBusy(scenario::requiredInt(step, "slot"), scenario::boolField(step, "busy", true));
        if (kind == "call") call(step);
        reportUser();
    }

private:
    void load() {
        const bool done = host::ModuleLoader::load(kMeridoxModuleName) == Acad::eOk;
        out << (done ? "  module loaded\n" : "  the module did not load\n");
    }
    void unload() {
        const bool done = host::ModuleLoader::unload(kMeridoxModuleName) == Acad::eOk;
        out << (done ? "  module unloaded\n" : "  the module did not unload\n");
    }
    void message(int number) {
        out << "  entry point answered "
            << host::ModuleLoader::sendMessage(kMeridoxModuleName, number) << "\n";
    }
    // What the core library does while it updates a drawing: it marks the macro data busy.
    void setBusy(int slot, bool busy) {
        MacroSlotDialog* dialog = macro_slots::dialogInSlot(slot);
        if (!dialog) {
            out << "  slot " << slot << " holds no dialog\n";
            return;
        }
        dialog->macroData().setBusy(busy);
        out << "  macro data of slot " << slot << (busy ? " is busy\n" : " is free\n");
    }
    void call(const json& step) {
        const scenario::LaunchPoint* point =
            scenario::findLaunchPoint(step["launch"].get<std::string>());
        for (const json& action : step.value("user", json::array()))
            scenario::queueUserAction(action);
        const json result = point->call(step.value("args", json::object()));
        std::cout.flush();
        out << "  " << point->name << " returned " << result.dump() << "\n";
        const std::size_t unused = win::user::pendingSteps();
        if (unused) out << "  " << unused << " user step(s) were not used\n";
    }
    void reportUser() {
        const auto& boxes = win::user::messageBoxes();
        for (; boxesShown < boxes.size(); ++boxesShown) {
            const auto& box = boxes[boxesShown];
            out << "  message box \"" << Mdx_String(box.caption.c_str()).toUtf8() << "\": \""
                << Mdx_String(box.text.c_str()).toUtf8() << "\" answered " << box.answer << "\n";
        }
        const auto& tooltips = win::shownTooltips();
        for (; tooltipsShown < tooltips.size(); ++tooltipsShown)
            out << "  tooltip shown: \"" << Mdx_String(tooltips[tooltipsShown].text).toUtf8()
                << "\"\n";
        const auto& failures = win::user::failures();
        for (; failuresShown < failures.size(); ++failuresShown)
            out << "  user step failed: " << failures[failuresShown] << "\n";
        // Steps the dialogs did not take must not leak into the next call.
        if (win::user::pendingSteps()) {
            win::user::reset();
            boxesShown = 0;
            failuresShown = 0;
        }
    }

    std::ostream& out;
    std::size_t boxesShown = 0;
    std::size_t failuresShown = 0;
    std::size_t tooltipsShown = 0;
};

// "drives": {"C": "{here}/drive-c"} lets the fixed paths of the module point into the
// scenario's own folder.
void checkDrives(const json& scenario) {
    if (!scenario.contains("drives")) return;
    const json& drives = scenario["drives"];
    if (!drives.is_object()) throw ScenarioError("\"drives\" must map drive letters to folders");
    for (auto it = drives.begin(); it != drives.end(); ++it) {
        if (it.key().size() != 1 || !std::isalpha(static_cast<unsigned char>(it.key()[0])))
            throw ScenarioError("\"" + it.key() + "\" is no drive letter");
        if (!it.value().is_string())
            throw ScenarioError("the folder of drive " + it.key() + " must be a text");
    }
}

void mapDrives(const json& scenario) {
    if (!scenario.contains("drives")) return;
    for (auto it = scenario["drives"].begin(); it != scenario["drives"].end(); ++it)
        win::setDriveRoot(it.key()[0], scenario::expandText(it.value().get<std::string>()));
}

int refuse(std::ostream& out, std::size_t index, const json& step, const std::string& why) {
    out << "scenario refused: step " << index + 1;
    if (step.is_object() && step.contains("step") && step["step"].is_string())
        out << " (" << describe(step) << ")";
    out << ": " << why << "\n";
    return 2;
}

}  // namespace

int runScenarioFile(const std::string& path, const std::string& profile, std::ostream& out,
                    bool echo) {
    json scenario;
    std::string error;
    const ScenarioReadResult read = readScenarioFile(path, scenario, error);
    if (read != ScenarioReadResult::Read) {
        out << error << "\n";
        return read == ScenarioReadResult::Unreadable ? 1 : 2;
    }
    scenario::setScenarioFolder(fs::absolute(path).parent_path().string());
    try {
        checkDrives(scenario);
        checkScratchLibrary(scenario);
    } catch (const ScenarioError& error) {
        out << "scenario refused: " << error.what() << "\n";
        return 2;
    }
    const json& steps = scenario["steps"];
    for (std::size_t i = 0; i < steps.size(); ++i) {
        try {
            checkStep(steps[i]);
        } catch (const ScenarioError& error) {
            return refuse(out, i, steps[i], error.what());
        }
    }
    std::unique_ptr<TempProfile> fresh;
    if (profile.empty()) fresh = std::make_unique<TempProfile>("mdx-run-");
    win::setProfileFolder(fresh ? fresh->folder() : fs::path(profile));
    HINSTANCE module = resources::moduleResourceHandle();
    if (!module || !defineMeridoxModule(module)) {
        out << "the module's resources are missing (" << resources::moduleResourceFolder() << ")\n";
        return 1;
    }
    mapDrives(scenario);
    std::unique_ptr<TempProfile> scratchLibrary;
    try {
        scratchLibrary = makeScratchLibrary(scenario);
    } catch (const std::exception& error) {
        out << "scenario refused: " << error.what() << "\n";
        win::setProfileFolder({});
        return 2;
    }
    // The library and product drives are mapped from the start, so a scenario's "L:\\" paths
    // reach the library even before the module first asks for its folder.
    gSettings.libDir();
    gSettings.mdxDir();
    installMacroDialog();  // the launchers' slot table opens the macro dialog itself
    host::CommandLine::setEcho(echo);
    Session session(out);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        out << "> step " << i + 1 << ": " << describe(steps[i]) << "\n";
        out.flush();
        session.run(steps[i]);
    }
    if (host::ModuleLoader::isLoaded(kMeridoxModuleName))
        host::ModuleLoader::unload(kMeridoxModuleName);
    win::setProfileFolder({});
    if (scratchLibrary) gSettings.setLibraryFolder({});
    return 0;
}
