#include "TestHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char* reasonOf(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

bool sendAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

TestHttpServer::TestHttpServer()
{
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(listener_, 16) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("test server cannot listen");
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

TestHttpServer::~TestHttpServer()
{
    stopping_ = true;
    thread_.join();
    if (listener_ >= 0)
        ::close(listener_);
}

void TestHttpServer::route(const std::string& path, Reply reply)
{
    const std::lock_guard lock(mutex_);
    routes_[path] = std::move(reply);
}

void TestHttpServer::stopListening()
{
    listening_ = false;
    // The serving thread closes the socket; wait until it has.
    while (true) {
        {
            const std::lock_guard lock(mutex_);
            if (listener_ < 0)
                return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::string TestHttpServer::host() const
{
    return "127.0.0.1:" + std::to_string(port_);
}

std::vector<std::string> TestHttpServer::requests() const
{
    const std::lock_guard lock(mutex_);
    return requests_;
}

int TestHttpServer::countOf(const std::string& path) const
{
    int count = 0;
    for (const std::string& target : requests()) {
        if (target.substr(0, target.find('?')) == path)
            ++count;
    }
    return count;
}

bool TestHttpServer::pause(std::chrono::milliseconds duration) const
{
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        if (stopping_)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void TestHttpServer::serve()
{
    while (!stopping_) {
        if (!listening_) {
            const std::lock_guard lock(mutex_);
            if (listener_ >= 0) {
                ::close(listener_);
                listener_ = -1;
            }
        }
        int fd = -1;
        {
            const std::lock_guard lock(mutex_);
            fd = listener_;
        }
        if (fd < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        pollfd waiting{fd, POLLIN, 0};
        if (::poll(&waiting, 1, 20) <= 0)
            continue;
        const int connection = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        answer(connection);
        ::close(connection);
    }
}

void TestHttpServer::answer(int connection)
{
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        pollfd waiting{connection, POLLIN, 0};
        if (::poll(&waiting, 1, 2000) <= 0)
            return;
        const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0)
            return;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    const auto firstSpace = request.find(' ');
    const auto secondSpace = request.find(' ', firstSpace + 1);
    if (firstSpace == std::string::npos || secondSpace == std::string::npos)
        return;
    const std::string target = request.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    const std::string path = target.substr(0, target.find('?'));

    Reply reply;
    reply.status = 404;
    reply.body = "<html>Not Found</html>";
    {
        const std::lock_guard lock(mutex_);
        requests_.push_back(target);
        const auto found = routes_.find(path);
        if (found != routes_.end())
            reply = found->second;
    }
    if (reply.refuseLater) {
        // Before the reply goes out, so that the client's next connection finds no listener.
        const std::lock_guard lock(mutex_);
        listening_ = false;
        ::close(listener_);
        listener_ = -1;
    }
    if (reply.onRequest)
        reply.onRequest();

    std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " + reasonOf(reply.status) + "\r\n";
    if (reply.contentLength)
        head += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n";
    for (const std::string& header : reply.headers)
        head += header + "\r\n";
    head += "Connection: close\r\n\r\n";
    if (!sendAll(connection, head))
        return;
    if (reply.chunkBytes == 0) {
        sendAll(connection, reply.body);
        return;
    }
    for (std::size_t at = 0; at < reply.body.size(); at += reply.chunkBytes) {
        if (!pause(reply.chunkPause) || !sendAll(connection, reply.body.substr(at, reply.chunkBytes)))
            return;
    }
}
