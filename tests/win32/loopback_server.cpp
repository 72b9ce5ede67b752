#include "loopback_server.h"

#include <ws2tcpip.h>

#include <chrono>

namespace vis::test {

LoopbackServer::LoopbackServer(std::string response, int delay_ms)
    : response_(std::move(response)), delay_ms_(delay_ms) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listener_, 4) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
    stop_ = true;
    closesocket(listener_);
    if (thread_.joinable()) thread_.join();
    WSACleanup();
}

void LoopbackServer::serve() {
    while (!stop_) {
        const SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) return;
        std::string request;
        char buffer[1024];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const int n = recv(client, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            request.append(buffer, static_cast<std::size_t>(n));
        }
        const auto start = std::chrono::steady_clock::now();
        // Silent until the test ends, or until the delay is over.
        while (!stop_ &&
               (delay_ms_ < 0 || std::chrono::steady_clock::now() - start < std::chrono::milliseconds(delay_ms_)))
            Sleep(10);
        if (!stop_) send(client, response_.data(), static_cast<int>(response_.size()), 0);
        shutdown(client, SD_SEND);
        closesocket(client);
    }
}

}  // namespace vis::test
