#include "support/http_server.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace quintaro::test {

namespace {

// False once the client has gone; never a SIGPIPE.
bool SendAll(int client, const std::string& bytes) {
    for (std::size_t sent = 0; sent < bytes.size();) {
        const ssize_t n = send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

HttpServer::HttpServer() {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(listener_, 16) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot start the test HTTP server");
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

HttpServer::~HttpServer() {
    stop_ = true;
    thread_.join();
    close(listener_);
}

void HttpServer::Route(const std::string& path, Response response) {
    std::lock_guard lock(mutex_);
    routes_[path] = std::move(response);
}

std::string HttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> HttpServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void HttpServer::Serve() {
    while (!stop_) {
        pollfd fd{listener_, POLLIN, 0};
        if (poll(&fd, 1, 50) <= 0)
            continue;
        const int client = accept(listener_, nullptr, nullptr);
        if (client < 0)
            continue;
        Answer(client);
    }
}

void HttpServer::Answer(int client) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        pollfd fd{client, POLLIN, 0};
        if (poll(&fd, 1, 2000) <= 0)
            break;
        const ssize_t n = read(client, buffer, sizeof buffer);
        if (n <= 0)
            break;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    const std::size_t start = request.find(' ') + 1;
    const std::string path = request.substr(start, request.find(' ', start) - start);
    Response response{404, "not found", {}, false};
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request.substr(0, request.find("\r\n\r\n")));
        if (auto it = routes_.find(path); it != routes_.end())
            response = it->second;
    }
    if (response.stall) {
        // Holds the connection without a byte until the client gives up or the server stops.
        while (!stop_) {
            pollfd fd{client, POLLIN, 0};
            if (poll(&fd, 1, 50) > 0 && read(client, buffer, sizeof buffer) <= 0)
                break;
        }
        close(client);
        return;
    }
    std::string answer = "HTTP/1.1 " + std::to_string(response.status) + " Status\r\n" +
                         "Content-Length: " + std::to_string(response.body.size()) +
                         "\r\nConnection: close\r\n";
    for (const std::string& header : response.headers)
        answer += header + "\r\n";
    answer += "\r\n";
    if (response.bytesPerSecond > 0) {
        SendAll(client, answer);
        Trickle(client, response.body, response.bytesPerSecond);
    } else {
        SendAll(client, answer + response.body);
    }
    close(client);
}

void HttpServer::Trickle(int client, const std::string& bytes, int bytesPerSecond) {
    const auto pause = std::chrono::milliseconds(1000 / bytesPerSecond);
    for (char byte : bytes) {
        if (!SendAll(client, std::string(1, byte)))
            return;
        for (auto waited = std::chrono::milliseconds(0); waited < pause && !stop_;
             waited += std::chrono::milliseconds(10))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (stop_)
            return;
    }
}

} // namespace quintaro::test
