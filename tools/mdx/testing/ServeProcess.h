#pragma once
// For the end-to-end tests of mdx serve: the built program serving a session on a free
// port of the loopback, and an HTTP client that talks to it as the page does.
#include <httplib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "testing/MdxProcess.h"

namespace mdx_testing {

class ServeProcess {
public:
    // Starts `mdx serve --port 0 args` and waits for the line naming its address.
    explicit ServeProcess(const std::string& args) {
        pipe_ = ::popen((std::string(MDX_EXE) + " serve --port 0 " + args + " 2>&1").c_str(), "r");
        if (!pipe_) return;
        char line[512] = {};
        if (!std::fgets(line, sizeof line, pipe_)) return;
        banner_ = line;
        const std::string marker = "http://127.0.0.1:";
        const auto at = banner_.find(marker);
        if (at != std::string::npos) port_ = std::atoi(banner_.c_str() + at + marker.size());
        if (port_ > 0) client_ = std::make_unique<httplib::Client>("127.0.0.1", port_);
    }
    ~ServeProcess() {
        if (!pipe_) return;
        if (running()) request({{"kind", "quit"}});
        finish();
    }

    bool running() const { return client_ != nullptr; }
    int port() const { return port_; }
    const std::string& banner() const { return banner_; }
    httplib::Client& client() { return *client_; }

    // One request of the page; status and body (null when the body is no JSON).
    struct Reply {
        int status = 0;
        nlohmann::json body;
    };
    Reply request(const nlohmann::json& body) { return post("/api/request", body.dump()); }
    Reply post(const std::string& path, const std::string& body) {
        Reply reply;
        if (auto result = client_->Post(path.c_str(), body, "application/json")) {
            reply.status = result->status;
            reply.body = nlohmann::json::parse(result->body, nullptr, false);
        }
        return reply;
    }
    Reply get(const std::string& path) {
        Reply reply;
        if (auto result = client_->Get(path.c_str())) {
            reply.status = result->status;
            reply.body = nlohmann::json::parse(result->body, nullptr, false);
        }
        return reply;
    }

    // Waits for the program to end; its exit status and what it printed after the banner.
    int finish() {
        if (!pipe_) return exit_;
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe_)) > 0;) rest_.append(buffer, n);
        const int raw = ::pclose(pipe_);
        pipe_ = nullptr;
        client_.reset();
        exit_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return exit_;
    }
    const std::string& output() const { return rest_; }

private:
    FILE* pipe_ = nullptr;
    std::string banner_;
    std::string rest_;
    int port_ = 0;
    int exit_ = -1;
    std::unique_ptr<httplib::Client> client_;
};

}  // namespace mdx_testing
