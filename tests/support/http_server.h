#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quintaro::test {

// A small HTTP server on 127.0.0.1, on a port of its own, answering the routes it is given
// until it is destroyed.
class HttpServer {
public:
    struct Response {
        int status = 200;
        std::string body;
        std::vector<std::string> headers; // "Name: value"
        bool stall = false;               // accept and never answer
        int bytesPerSecond = 0;           // when above 0, the body is sent at that pace
    };

    HttpServer();
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    void Route(const std::string& path, Response response);
    std::string Url(const std::string& path) const;
    // The requests received so far, head only.
    std::vector<std::string> Requests() const;

private:
    void Serve();
    void Answer(int client);
    // Sends the bytes one at a time, a pause between them; stops when the client has gone.
    void Trickle(int client, const std::string& bytes, int bytesPerSecond);

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::map<std::string, Response> routes_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

} // namespace quintaro::test
