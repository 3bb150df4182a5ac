#include "LiveSession.h"

#include <exception>

#include "LiveWindows.h"
#include "ScenarioError.h"
#include "ScenarioLaunchPoints.h"
#include "ScenarioUser.h"
#include "ScenarioValues.h"
#include "core/Mdx_String.h"
#include "win/MessageBox.h"
#include "win/Timers.h"

namespace {

using nlohmann::json;
using Prompt = win::user::UserPrompt;

// A clock step of a person is a few seconds at most; the bound keeps a typo from running
// every timer of a day.
constexpr int kMaxClockStep = 600000;

LiveSession::Reply refused(int status, const std::string& why) {
    return {status, json{{"error", why}}};
}

std::string kindOf(const json& request) {
    if (!request.is_object() || !request.contains("kind") || !request["kind"].is_string())
        throw ScenarioError("a request needs a \"kind\"");
    return request["kind"].get<std::string>();
}

const json& actionOf(const json& request) {
    if (!request.contains("action") || !request["action"].is_object())
        throw ScenarioError("\"action\" must be a user step");
    return request["action"];
}

// What a person's user step answers: a message box, a menu, a file dialog, or a dialog.
Prompt::Kind promptFor(const json& action) {
    const std::string kind = action.value("action", "");
    if (kind == "answer") return Prompt::Kind::MessageBox;
    if (kind == "menu") return Prompt::Kind::Menu;
    if (kind == "files") return Prompt::Kind::FileDialog;
    return Prompt::Kind::Dialog;
}

const char* promptName(Prompt::Kind kind) {
    switch (kind) {
        case Prompt::Kind::MessageBox:
            return "a message box";
        case Prompt::Kind::Menu:
            return "a menu";
        case Prompt::Kind::FileDialog:
            return "a file dialog";
        default:
            return "a dialog";
    }
}

// Everything about a request that can be told without the session: a bad one is refused
// on the server's thread and never reaches the module.
void checkRequest(const json& request) {
    const std::string kind = kindOf(request);
    if (kind == "open") {
        const std::string name = scenario::requiredText(request, "launch").str();
        const scenario::LaunchPoint* point = scenario::findLaunchPoint(name);
        if (!point) throw ScenarioError("unknown launch point \"" + name + "\"");
        const json args = request.value("args", json::object());
        if (!args.is_object()) throw ScenarioError("\"args\" must be an object");
        point->check(args);
    } else if (kind == "user") {
        scenario::checkUserAction(actionOf(request));
    } else if (kind == "clock") {
        const int ms = scenario::requiredInt(request, "ms");
        if (ms < 0 || ms > kMaxClockStep)
            throw ScenarioError("\"ms\" must lie between 0 and " + std::to_string(kMaxClockStep));
    } else if (kind != "state" && kind != "save" && kind != "quit") {
        throw ScenarioError("unknown request \"" + kind + "\"");
    }
}

json textOf(const std::string& bytes) {
    return Mdx_String(bytes.c_str()).toUtf8();
}

json promptJson(const Prompt* prompt) {
    if (!prompt) return nullptr;
    json out{{"kind", promptName(prompt->kind)}};
    if (prompt->messageBox) {
        int buttons[3] = {};
        const int count = win::messageBoxButtons(prompt->messageBox->type, buttons);
        out["text"] = textOf(prompt->messageBox->text);
        out["caption"] = textOf(prompt->messageBox->caption);
        out["buttons"] = json(std::vector<int>(buttons, buttons + count));
    }
    if (prompt->menu) {
        json entries = json::array();
        for (const auto& entry : prompt->menu->entries)
            entries.push_back({{"command", entry.id}, {"text", textOf(entry.text)},
                               {"flags", entry.flags}});
        out["entries"] = entries;
    }
    if (prompt->fileDialog) {
        out["title"] = textOf(prompt->fileDialog->title);
        out["open"] = prompt->fileDialog->open;
        out["folder"] = textOf(prompt->fileDialog->initialFolder);
        out["fileName"] = textOf(prompt->fileDialog->fileName);
    }
    return out;
}

}  // namespace

struct LiveSession::Pending {
    json request;
    bool done = false;
    Reply reply;
};

LiveSession::LiveSession(Drawing drawing) : drawing_(std::move(drawing)) {
    steps_.push_back({{"step", "load"}});
}

LiveSession::~LiveSession() = default;

LiveSession::Reply LiveSession::submit(const json& request, std::chrono::milliseconds timeout) {
    try {
        checkRequest(request);
    } catch (const ScenarioError& error) {
        return refused(400, error.what());
    }
    auto pending = std::make_shared<Pending>();
    pending->request = request;
    std::unique_lock<std::mutex> lock(mutex_);
    if (stopping_) return refused(409, "the session has ended");
    inbox_.push_back(pending);
    arrived_.notify_all();
    if (!arrived_.wait_for(lock, timeout, [&] { return pending->done; })) {
        // Still queued: take it back so it never runs after its answer was given up.
        for (auto it = inbox_.begin(); it != inbox_.end(); ++it)
            if (*it == pending) {
                inbox_.erase(it);
                return refused(503, "the session is busy; nothing was done");
            }
        return refused(503, "the session is still working on it");
    }
    return pending->reply;
}

std::string LiveSession::picture(std::size_t index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return index < pictures_.size() ? pictures_[index] : std::string();
}

json LiveSession::scenario() const {
    std::lock_guard<std::mutex> lock(mutex_);
    json steps = steps_;
    steps.push_back({{"step", "unload"}});
    return {{"format", "mdx-scenario"}, {"version", 1}, {"steps", steps}};
}

void LiveSession::run() {
    win::user::setLiveUser([this](const Prompt& prompt) { return waitForPerson(prompt); });
    while (PendingPtr request = nextRequest()) serveIdle(request);
    win::user::setLiveUser({});
}

void LiveSession::stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    arrived_.notify_all();
}

LiveSession::PendingPtr LiveSession::nextRequest() {
    std::unique_lock<std::mutex> lock(mutex_);
    arrived_.wait(lock, [&] { return stopping_ || !inbox_.empty(); });
    if (inbox_.empty()) return nullptr;
    PendingPtr next = inbox_.front();
    inbox_.pop_front();
    return next;
}

void LiveSession::answer(const PendingPtr& request, int status, json body) {
    std::lock_guard<std::mutex> lock(mutex_);
    request->reply = {status, std::move(body)};
    request->done = true;
    arrived_.notify_all();
}

void LiveSession::serveIdle(const PendingPtr& request) {
    const json& r = request->request;
    const std::string kind = r["kind"].get<std::string>();
    if (kind == "open") return callLaunchPoint(request);
    if (kind == "quit") {
        stop();
        return answer(request, 200, stateBody(nullptr));
    }
    if (kind == "save") {
        const std::string error =
            drawing_.save ? drawing_.save() : "no drawing was loaded (--drawing)";
        if (!error.empty()) return answer(request, 500, {{"error", error}});
        return answer(request, 200, stateBody(nullptr));
    }
    if (kind == "clock") {
        win::advanceClock(static_cast<DWORD>(r["ms"].get<int>()));
        record({{"step", "clock"}, {"ms", r["ms"]}});
    }
    if (kind == "user") {
        const json& action = r["action"];
        if (promptFor(action) != Prompt::Kind::Dialog)
            return answer(request, 409, {{"error", "nothing waits for that answer"}});
        record(action);
        scenario::queueUserAction(action);
        win::user::runPendingActions();
    }
    current_ = request;
    settle(nullptr);
}

void LiveSession::callLaunchPoint(const PendingPtr& request) {
    const json& r = request->request;
    const scenario::LaunchPoint* point =
        scenario::findLaunchPoint(r["launch"].get<std::string>());
    // The drawing's record first, what the person gave over it.
    json args = drawing_.argsFor ? drawing_.argsFor(point->name) : json::object();
    args.update(r.value("args", json::object()));
    {
        std::lock_guard<std::mutex> lock(mutex_);
        steps_.push_back(
            {{"step", "call"}, {"launch", point->name}, {"args", args}, {"user", json::array()}});
    }
    current_ = request;
    try {
        const json result = point->call(args);
        lastReturned_ = {{"launch", point->name}, {"result", result}};
        const std::string refused = drawing_.take ? drawing_.take(point->name, result) : "";
        if (!refused.empty()) lastReturned_["drawing"] = refused;
    } catch (const std::exception& error) {
        lastReturned_ = {{"launch", point->name}, {"error", error.what()}};
    }
    // Steps a dialog did not take must not leak into the next call.
    if (win::user::pendingSteps()) win::user::reset(), boxesSeen_ = failuresSeen_ = 0;
    settle(nullptr);
}

bool LiveSession::waitForPerson(const Prompt& prompt) {
    settle(&prompt);
    while (PendingPtr request = nextRequest()) {
        const json& r = request->request;
        const std::string kind = r["kind"].get<std::string>();
        if (kind == "state") {
            answer(request, 200, stateBody(&prompt));
        } else if (kind == "quit") {
            stop();
            answer(request, 200, {{"ended", true}});
            return false;
        } else if (kind == "clock") {
            win::advanceClock(static_cast<DWORD>(r["ms"].get<int>()));
            record({{"action", "clock"}, {"ms", r["ms"]}});
            answer(request, 200, stateBody(&prompt));
        } else if (kind != "user") {
            answer(request, 409,
                   {{"error", std::string(promptName(prompt.kind)) + " waits for you first"}});
        } else if (promptFor(r["action"]) != prompt.kind) {
            answer(request, 409,
                   {{"error", std::string(promptName(prompt.kind)) + " waits for you, not " +
                                  promptName(promptFor(r["action"]))}});
        } else {
            record(r["action"]);
            scenario::queueUserAction(r["action"]);
            current_ = request;
            return true;
        }
    }
    return false;
}

void LiveSession::settle(const Prompt* prompt) {
    if (!current_) return;
    PendingPtr request = std::move(current_);
    current_.reset();
    answer(request, 200, stateBody(prompt));
}

void LiveSession::record(const json& action) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (action.contains("step")) {
        steps_.push_back(action);
        return;
    }
    json& last = steps_.back();
    if (last["step"] == "call" || last["step"] == "user") {
        last["user"].push_back(action);
        return;
    }
    steps_.push_back({{"step", "user"}, {"user", json::array({action})}});
}

json LiveSession::stateBody(const Prompt* prompt) {
    std::vector<LiveWindow> shown = captureLiveWindows();
    ++version_;
    json windows = json::array();
    std::vector<std::string> pictures;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        json description = std::move(shown[i].description);
        description["picture"] =
            "/api/picture/" + std::to_string(i) + "?v=" + std::to_string(version_);
        windows.push_back(std::move(description));
        pictures.push_back(std::move(shown[i].png));
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pictures_ = std::move(pictures);
    }
    json messages = json::array();
    const auto& boxes = win::user::messageBoxes();
    for (; boxesSeen_ < boxes.size(); ++boxesSeen_)
        messages.push_back({{"caption", textOf(boxes[boxesSeen_].caption)},
                            {"text", textOf(boxes[boxesSeen_].text)},
                            {"answer", boxes[boxesSeen_].answer}});
    json failures = json::array();
    const auto& failed = win::user::failures();
    for (; failuresSeen_ < failed.size(); ++failuresSeen_)
        failures.push_back(textOf(failed[failuresSeen_]));
    return {{"version", version_}, {"windows", windows},    {"waiting", promptJson(prompt)},
            {"returned", lastReturned_}, {"messageBoxes", messages}, {"failures", failures}};
}
