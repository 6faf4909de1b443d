#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// An HTTP server on 127.0.0.1 that misbehaves on purpose, one way per path:
// it accepts and never answers, sends its headers and stalls, sends less
// than its Content-Length and closes, sends a body without end, or answers
// normally (which covers redirect loops and error pages served as 200).
// Each connection has a thread of its own, so a stalled one holds up no
// other; all of them end when the client goes away or the server is destroyed.
class HostileHttpServer final {
public:
    enum class Behaviour { Answer, NeverAnswer, HeadersThenStall, ShortBody, EndlessBody };

    struct Route {
        Behaviour behaviour = Behaviour::Answer;
        int status = 200;
        std::string body{};
        std::vector<std::string> headers{};
    };

    HostileHttpServer();
    HostileHttpServer(const HostileHttpServer&) = delete;
    HostileHttpServer& operator=(const HostileHttpServer&) = delete;
    ~HostileHttpServer();

    // Unknown paths answer 404.
    void route(const std::string& path, Route route);

    [[nodiscard]] std::string host() const;
    [[nodiscard]] int countOf(const std::string& path) const;
    // Bytes of endless bodies sent so far.
    [[nodiscard]] std::uint64_t endlessBytesSent() const { return endlessBytes_; }

private:
    void serve();
    void answer(int connection);
    // Holds the connection until the client closes it or the server stops.
    void hold(int connection) const;

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<std::uint64_t> endlessBytes_{0};
    mutable std::mutex mutex_;
    std::map<std::string, Route> routes_;
    std::vector<std::string> requests_;
    std::vector<std::thread> connections_;
    std::thread thread_;
};
