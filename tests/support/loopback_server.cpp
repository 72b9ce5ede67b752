#include "support/loopback_server.h"

#include <chrono>

namespace vis::test {

LoopbackServer::LoopbackServer(std::string response, int delay_ms)
    : response_(std::move(response)), delay_ms_(delay_ms) {
    listener_ = sockets::listen_on_loopback(port_);
    if (listener_ != sockets::kNone) thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
    stop_ = true;
    if (listener_ != sockets::kNone) sockets::close_listener(listener_);
    if (thread_.joinable()) thread_.join();
}

std::string LoopbackServer::request() const {
    const std::lock_guard lock(mutex_);
    return request_;
}

void LoopbackServer::serve() {
    while (!stop_) {
        const sockets::Socket client = sockets::accept_client(listener_);
        if (client == sockets::kNone) return;
        std::string request;
        char buffer[1024];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const int n = sockets::receive(client, buffer, sizeof buffer);
            if (n <= 0) break;
            request.append(buffer, static_cast<std::size_t>(n));
        }
        {
            const std::lock_guard lock(mutex_);
            request_ = request;
        }
        const auto start = std::chrono::steady_clock::now();
        // Silent until the test ends, or until the delay is over.
        while (!stop_ &&
               (delay_ms_ < 0 || std::chrono::steady_clock::now() - start < std::chrono::milliseconds(delay_ms_)))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!stop_) sockets::send_all(client, response_);
        sockets::close_client(client);
    }
}

}  // namespace vis::test
