#pragma once
// A host session that a person plays from a browser. Requests come in on the server's
// threads; the session's own thread -- the host's user-interface thread, the only one that
// touches the module and the window system -- carries them out one at a time. A request is
// answered when the session has settled again: the launch point returned, or the program
// waits for the person (a dialog, a message box, a menu, a file dialog). Every request is
// checked before it is queued, so a malformed one is refused and changes nothing.
//
// Requests (JSON objects with "kind"):
//   {"kind": "state"}                                   what is shown now
//   {"kind": "open", "launch": NAME, "args": {...}}     call a launch point
//   {"kind": "user", "action": {...}}                   a user step (the scenario vocabulary)
//   {"kind": "answer", "button": 1}                     answer the message box shown
//   {"kind": "menu", "command": 12} / {"kind": "menu"}  choose a menu entry / dismiss it
//   {"kind": "files", "paths": [...]} / {"kind": "files"}  answer / cancel a file dialog
//   {"kind": "clock", "ms": 50}                         advance the virtual clock
//   {"kind": "save"}                                    write the drawing (confirmed by the person)
//   {"kind": "quit"}                                    cancel whatever waits and end
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "win/ScriptedUser.h"

class LiveSession {
public:
    struct Reply {
        int status = 200;  // HTTP status: 200, 400 refused, 409 not now, 503 busy
        nlohmann::json body;
    };
    // The drawing the session works on, when there is one: the records launch points get
    // from it, what they give back to it (an error text, empty when taken), and the save
    // (an error text, empty on success).
    struct Drawing {
        std::function<nlohmann::json(const std::string& launch)> argsFor;
        std::function<std::string(const std::string& launch, const nlohmann::json&)> take;
        std::function<std::string()> save;
    };

    explicit LiveSession(Drawing drawing = {});
    ~LiveSession();

    // Any thread. Checks the request, queues it and waits until the session settled.
    Reply submit(const nlohmann::json& request, std::chrono::milliseconds timeout);
    // Any thread: the PNG of window i of the last settled state, empty when there is none.
    std::string picture(std::size_t index) const;
    // Any thread: the session so far as a scenario that `mdx run` replays.
    nlohmann::json scenario() const;

    // The user-interface thread: serves requests until "quit" (or stop()).
    void run();
    // Any thread: ends run() as a quit request would.
    void stop();

private:
    struct Pending;
    using PendingPtr = std::shared_ptr<Pending>;

    PendingPtr nextRequest();
    void serveIdle(const PendingPtr& request);
    bool waitForPerson(const win::user::UserPrompt& prompt);
    void callLaunchPoint(const PendingPtr& request);
    void settle(const win::user::UserPrompt* prompt);
    void answer(const PendingPtr& request, int status, nlohmann::json body);
    void record(const nlohmann::json& action);
    nlohmann::json stateBody(const win::user::UserPrompt* prompt);

    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<PendingPtr> inbox_;
    bool stopping_ = false;
    std::vector<std::string> pictures_;
    nlohmann::json steps_ = nlohmann::json::array();

    // The user-interface thread's own state.
    Drawing drawing_;
    PendingPtr current_;  // the request whose answer waits for the session to settle
    nlohmann::json lastReturned_;
    std::uint64_t version_ = 0;
    std::size_t boxesSeen_ = 0;
    std::size_t failuresSeen_ = 0;
};
