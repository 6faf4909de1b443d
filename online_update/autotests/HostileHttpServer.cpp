#include "HostileHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Sends everything unless the client has gone or the server stops.
bool sendAll(int fd, const std::string& bytes, const std::atomic<bool>& stopping)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (stopping)
            return false;
        pollfd ready{fd, POLLOUT, 0};
        if (::poll(&ready, 1, 20) < 0)
            return false;
        if (!(ready.revents & POLLOUT)) {
            if (ready.revents & (POLLERR | POLLHUP))
                return false;
            continue;
        }
        const ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string statusLine(int status)
{
    const char* reason = status == 200 ? "OK" : status == 302 ? "Found" : status == 404 ? "Not Found" : "Status";
    return "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\n";
}

} // namespace

HostileHttpServer::HostileHttpServer()
{
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(listener_, 16) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("hostile server cannot listen");
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

HostileHttpServer::~HostileHttpServer()
{
    stopping_ = true;
    thread_.join();
    for (std::thread& connection : connections_)
        connection.join();
    ::close(listener_);
}

void HostileHttpServer::route(const std::string& path, Route route)
{
    const std::lock_guard lock(mutex_);
    routes_[path] = std::move(route);
}

std::string HostileHttpServer::host() const
{
    return "127.0.0.1:" + std::to_string(port_);
}

int HostileHttpServer::countOf(const std::string& path) const
{
    const std::lock_guard lock(mutex_);
    int count = 0;
    for (const std::string& target : requests_) {
        if (target.substr(0, target.find('?')) == path)
            ++count;
    }
    return count;
}

void HostileHttpServer::serve()
{
    while (!stopping_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (::poll(&waiting, 1, 20) <= 0)
            continue;
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        // Only this thread adds to the list, and the destructor joins it first.
        connections_.emplace_back([this, connection] {
            answer(connection);
            ::close(connection);
        });
    }
}

void HostileHttpServer::hold(int connection) const
{
    char buffer[4096];
    while (!stopping_) {
        pollfd waiting{connection, POLLIN, 0};
        if (::poll(&waiting, 1, 20) < 0)
            return;
        if (waiting.revents & (POLLIN | POLLHUP | POLLERR)) {
            if (::recv(connection, buffer, sizeof buffer, MSG_DONTWAIT) <= 0)
                return;
        }
    }
}

void HostileHttpServer::answer(int connection)
{
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        pollfd waiting{connection, POLLIN, 0};
        if (stopping_ || ::poll(&waiting, 1, 20) < 0)
            return;
        if (!(waiting.revents & (POLLIN | POLLHUP | POLLERR)))
            continue;
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
    Route route{.status = 404, .body = "<html>Not Found</html>"};
    {
        const std::lock_guard lock(mutex_);
        requests_.push_back(target);
        const auto found = routes_.find(target.substr(0, target.find('?')));
        if (found != routes_.end())
            route = found->second;
    }

    std::string head = statusLine(route.status);
    for (const std::string& header : route.headers)
        head += header + "\r\n";
    switch (route.behaviour) {
    case Behaviour::Answer:
        head += "Content-Length: " + std::to_string(route.body.size()) + "\r\nConnection: close\r\n\r\n";
        sendAll(connection, head + route.body, stopping_);
        return;
    case Behaviour::NeverAnswer:
        hold(connection);
        return;
    case Behaviour::HeadersThenStall:
        // Promises a few bytes more than it sends (within every size cap), then sends nothing.
        head += "Content-Length: " + std::to_string(route.body.size() + 10) + "\r\n\r\n";
        if (sendAll(connection, head + route.body, stopping_))
            hold(connection);
        return;
    case Behaviour::ShortBody:
        head += "Content-Length: " + std::to_string(route.body.size() * 2 + 1) + "\r\nConnection: close\r\n\r\n";
        sendAll(connection, head + route.body, stopping_);
        return;
    case Behaviour::EndlessBody: {
        head += "Connection: close\r\n\r\n";
        if (!sendAll(connection, head, stopping_))
            return;
        const std::string piece(65536, 'x');
        while (sendAll(connection, piece, stopping_))
            endlessBytes_ += piece.size();
        return;
    }
    }
}
