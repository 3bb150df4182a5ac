#include "ServeCommand.h"

#include <httplib.h>
#include <signal.h>

#include <CLI/CLI.hpp>
#include <atomic>
#include <chrono>
#include <iostream>
#include <memory>
#include <mutex>
#include <thread>

#include "EvaluateError.h"
#include "EvaluateSession.h"
#include "LiveSession.h"
#include "ScenarioLaunchPoints.h"
#include "ServeDrawing.h"
#include "ServePage.h"
#include "core/Mdx_Settings.h"

namespace {

using nlohmann::json;

struct ServeOptions {
    std::string library;
    std::string drawing;
    std::string macro;
    int port = 8340;
};

// As for every command line the parser refuses.
constexpr int kUsageError = 64;
// Requests are small: a user step or a launch point's record.
constexpr std::size_t kMaxRequestBytes = 64 * 1024;
// A person clicks a few times a second; a page that floods the session is slowed down.
constexpr int kRequestsPerSecond = 60;
constexpr auto kSettleTimeout = std::chrono::seconds(20);

// At most kRequestsPerSecond requests in any one second, whoever sends them.
class RateLimit {
public:
    bool allow() {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto now = std::chrono::steady_clock::now();
        if (now - windowStart_ >= std::chrono::seconds(1)) {
            windowStart_ = now;
            count_ = 0;
        }
        return ++count_ <= kRequestsPerSecond;
    }

private:
    std::mutex mutex_;
    std::chrono::steady_clock::time_point windowStart_;
    int count_ = 0;
};

void sendJson(httplib::Response& response, int status, const json& body) {
    response.status = status;
    response.set_content(body.dump(), "application/json");
}

// Only pages this server gave out may drive it: a page of another site that a browser was
// tricked into sending here names another host.
bool fromOwnPage(const httplib::Request& request, int port) {
    const std::string host = request.get_header_value("Host");
    const std::string suffix = ":" + std::to_string(port);
    return host == "127.0.0.1" + suffix || host == "localhost" + suffix;
}

LiveSession::Drawing drawingBinding(ServeDrawing* drawing) {
    if (!drawing) return {};
    return {[drawing](const std::string& launch) { return drawing->argsFor(launch); },
            [drawing](const std::string& launch, const json& returned) {
                return drawing->take(launch, returned);
            },
            [drawing] { return drawing->save(); }};
}

json launchPointList() {
    json names = json::array();
    const std::string all = scenario::launchPointNames();
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find(", ", start);
        if (end == std::string::npos) end = all.size();
        names.push_back(all.substr(start, end - start));
        start = end + 2;
    }
    return names;
}

// port: the port listened on, known once bound; the handlers run only after that.
void route(httplib::Server& server, LiveSession& session, const int& port,
           const std::string& drawingText, RateLimit& limit) {
    server.set_payload_max_length(kMaxRequestBytes);
    // A browser holds several idle connections open; each holds a worker while it waits, so
    // idle ones are let go soon and there are workers enough for a page and its pictures.
    server.set_keep_alive_timeout(1);
    server.new_task_queue = [] { return new httplib::ThreadPool(16); };
    server.set_pre_routing_handler([&](const httplib::Request& request,
                                       httplib::Response& response) {
        if (!fromOwnPage(request, port)) {
            sendJson(response, 403, {{"error", "requests come from this machine's own page"}});
            return httplib::Server::HandlerResponse::Handled;
        }
        if (!limit.allow()) {
            sendJson(response, 429, {{"error", "too many requests; nothing was done"}});
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server.Get("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(servePage(), "text/html; charset=utf-8");
    });
    server.Get("/api/launch-points", [&](const httplib::Request&, httplib::Response& response) {
        sendJson(response, 200, {{"launchPoints", launchPointList()}, {"drawing", drawingText}});
    });
    server.Get("/api/scenario", [&](const httplib::Request&, httplib::Response& response) {
        response.set_header("Content-Disposition", "attachment; filename=\"session.json\"");
        response.set_content(session.scenario().dump(2), "application/json");
    });
    server.Get(R"(/api/picture/(\d{1,4}))",
               [&](const httplib::Request& request, httplib::Response& response) {
                   const std::string png = session.picture(std::stoul(request.matches[1]));
                   if (png.empty()) return sendJson(response, 404, {{"error", "no such window"}});
                   response.set_header("Cache-Control", "no-store");
                   response.set_content(png, "image/png");
               });
    server.Post("/api/request", [&](const httplib::Request& request, httplib::Response& response) {
        const json body = json::parse(request.body, nullptr, false);
        if (body.is_discarded())
            return sendJson(response, 400, {{"error", "the request is not valid JSON"}});
        const LiveSession::Reply reply = session.submit(body, kSettleTimeout);
        sendJson(response, reply.status, reply.body);
    });
}

// SIGINT and SIGTERM end the session like the page's Quit. They are blocked in every thread
// and taken by one waiting thread, so the handler may do real work.
sigset_t stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

int serve(const ServeOptions& options) {
    if (!options.library.empty()) gSettings.setLibraryFolder(options.library);
    if (!options.drawing.empty() && options.macro.empty()) {
        std::cerr << "mdx serve: --drawing needs --macro, the macro to work on\n";
        return kUsageError;
    }
    std::unique_ptr<EvaluateSession> host;
    std::unique_ptr<ServeDrawing> drawing;
    try {
        host = std::make_unique<EvaluateSession>();
        if (!options.drawing.empty())
            drawing = std::make_unique<ServeDrawing>(options.drawing, options.macro);
    } catch (const EvaluateError& error) {
        std::cerr << "mdx serve: " << error.what() << "\n";
        return static_cast<int>(error.exit());
    }
    LiveSession session(drawingBinding(drawing.get()));
    httplib::Server server;
    RateLimit limit;
    const std::string drawingText = drawing ? drawing->description() : "";
    int port = options.port;
    route(server, session, port, drawingText, limit);
    // Only this machine's loopback: nobody else can reach the session.
    if (port == 0)
        port = server.bind_to_any_port("127.0.0.1");
    else if (!server.bind_to_port("127.0.0.1", port))
        port = -1;
    if (port <= 0) {
        std::cerr << "mdx serve: cannot listen on 127.0.0.1:" << options.port << "\n";
        return 10;
    }
    const sigset_t signals = stopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread listener([&] { server.listen_after_bind(); });
    std::thread signalWaiter([&] {
        int signal = 0;
        sigwait(&signals, &signal);
        session.stop();
    });
    std::cout << "mdx serve: http://127.0.0.1:" << port << "/ (Ctrl+C ends)"
              << std::endl;
    session.run();
    server.stop();
    listener.join();
    // The waiter still sits in sigwait when the page ended the session.
    pthread_kill(signalWaiter.native_handle(), SIGTERM);
    signalWaiter.join();
    return 0;
}

}  // namespace

void addServeCommand(CLI::App& app, int& exitCode) {
    auto* command = app.add_subcommand(
        "serve", "Use the module's dialogs in a browser: a local web page drives the session");
    static ServeOptions options;
    command->add_option("--library", options.library,
                        "The library folder (default: the bundled sample library)");
    command->add_option("--drawing", options.drawing,
                        "A drawing to work on; it is written only when you save in the page");
    command->add_option("--macro", options.macro, "The macro of the drawing, by name or handle");
    command->add_option("--port", options.port, "Port on 127.0.0.1 (default 8340; 0: any free one)")
        ->check(CLI::Range(0, 65535));
    command->footer("Exit codes: 0 ended, 1 module missing, 3-5 drawing "
                    "unreadable, malformed or without the macro, 10 port taken, 64 bad options");
    command->callback([&exitCode] { exitCode = serve(options); });
}
