#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A small HTTP/1.1 server on 127.0.0.1 (a port the system picks) for tests:
// each path gets a canned reply, every request target is recorded, and a
// reply may arrive slowly, stall, or close the listening socket so that the
// next connection is refused. Unknown paths answer 404. One connection at a
// time, each closed after its reply.
class TestHttpServer final {
public:
    struct Reply {
        int status = 200;
        std::string body{};
        std::vector<std::string> headers{};
        bool contentLength = true;
        // The body in pieces of this size with a pause before each (0: at once).
        std::size_t chunkBytes = 0;
        std::chrono::milliseconds chunkPause{0};
        // Runs on the server's thread when the request has arrived.
        std::function<void()> onRequest{};
        // After this request no connection is accepted any more.
        bool refuseLater = false;
    };

    TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;
    ~TestHttpServer();

    // Set up routes before the first request.
    void route(const std::string& path, Reply reply);
    // Closes the listening socket: connections are refused from now on.
    void stopListening();

    [[nodiscard]] std::string host() const;
    [[nodiscard]] int port() const { return port_; }
    [[nodiscard]] std::vector<std::string> requests() const;
    [[nodiscard]] int countOf(const std::string& path) const;

private:
    void serve();
    void answer(int connection);
    bool pause(std::chrono::milliseconds duration) const;

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> listening_{true};
    std::map<std::string, Reply> routes_;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};
