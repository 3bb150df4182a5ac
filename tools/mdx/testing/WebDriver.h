#pragma once
// For the browser test of mdx serve: Debian's chromium, headless, driven through
// chromedriver's WebDriver protocol as a person would use the page -- real pointer and key
// events in a real browser.
#include <httplib.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>

namespace mdx_testing {

// A port of the loopback that nobody listens on now.
inline int freeLoopbackPort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(s);
    return port;
}

class WebDriver {
public:
    static constexpr const char* kDriver = "/usr/bin/chromedriver";
    static constexpr const char* kBrowser = "/usr/bin/chromium";
    static bool available() {
        return std::filesystem::exists(kDriver) && std::filesystem::exists(kBrowser);
    }

    explicit WebDriver(const std::filesystem::path& profile) {
        const int port = freeLoopbackPort();
        driver_ = ::fork();
        if (driver_ == 0) {
            const std::string portArg = "--port=" + std::to_string(port);
            ::execl(kDriver, kDriver, portArg.c_str(), "--silent", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        client_ = std::make_unique<httplib::Client>("127.0.0.1", port);
        client_->set_read_timeout(60, 0);
        for (int i = 0; i < 100 && !client_->Get("/status"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        // The flags keep a headless browser from reaching out to the network at start.
        const nlohmann::json options = {
            {"binary", kBrowser},
            {"args",
             {"--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
              "--disable-quic", "--no-first-run", "--disable-background-networking",
              "--disable-component-update", "--disable-sync", "--window-size=1100,800",
              "--user-data-dir=" + profile.string()}}};
        const nlohmann::json reply = call(
            "POST", "/session",
            {{"capabilities",
              {{"alwaysMatch", {{"browserName", "chrome"}, {"goog:chromeOptions", options}}}}}});
        session_ = reply["value"].value("sessionId", "");
    }
    ~WebDriver() {
        if (!session_.empty()) call("DELETE", "/session/" + session_, nullptr);
        if (driver_ > 0) {
            ::kill(driver_, SIGTERM);
            ::waitpid(driver_, nullptr, 0);
        }
    }

    bool started() const { return !session_.empty(); }

    // One WebDriver command of this session; the reply's "value".
    nlohmann::json command(const std::string& method, const std::string& path,
                           const nlohmann::json& body = nlohmann::json::object()) {
        return call(method, "/session/" + session_ + path, body)["value"];
    }
    nlohmann::json script(const std::string& source) {
        return command("POST", "/execute/sync", {{"script", source}, {"args", nlohmann::json::array()}});
    }
    std::string element(const std::string& css) {
        const nlohmann::json found =
            command("POST", "/element", {{"using", "css selector"}, {"value", css}});
        return found.is_object() && !found.empty() ? found.begin().value().get<std::string>() : "";
    }
    // Waits until the script gives a truthy value, at most thirty seconds (sanitizer builds
    // on a busy machine are slow).
    bool waitFor(const std::string& condition) {
        for (int i = 0; i < 600; ++i) {
            const nlohmann::json value = script("return !!(" + condition + ");");
            if (value.is_boolean() && value.get<bool>()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

private:
    nlohmann::json call(const std::string& method, const std::string& path,
                        const nlohmann::json& body) {
        httplib::Result result =
            method == "GET"      ? client_->Get(path.c_str())
            : method == "DELETE" ? client_->Delete(path.c_str())
                                 : client_->Post(path.c_str(), body.dump(), "application/json");
        if (!result) return nlohmann::json::object();
        return nlohmann::json::parse(result->body, nullptr, false);
    }

    pid_t driver_ = -1;
    std::unique_ptr<httplib::Client> client_;
    std::string session_;
};

}  // namespace mdx_testing
