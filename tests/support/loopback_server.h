#pragma once
// A tiny HTTP server on 127.0.0.1 for the tests of the real network code on either system: it
// answers each request with one canned response after a delay, or never.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "support/loopback_socket.h"

namespace vis::test {

class LoopbackServer {
public:
    // A negative delay never answers.
    LoopbackServer(std::string response, int delay_ms);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::string url(const char* path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
    int port() const { return port_; }
    // What the last client asked, up to the end of its headers.
    std::string request() const;

private:
    void serve();

    std::string response_;
    int delay_ms_;
    sockets::Socket listener_ = sockets::kNone;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::string request_;
    std::thread thread_;
};

inline std::string http_response(const char* status, const std::string& body) {
    return std::string("HTTP/1.1 ") + status +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace vis::test
