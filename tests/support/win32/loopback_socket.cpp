#include "support/loopback_socket.h"

#include <winsock2.h>

namespace vis::test::sockets {

Socket listen_on_loopback(int& port) {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return kNone;
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (listener == INVALID_SOCKET || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 4) != 0 || getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listener != INVALID_SOCKET) closesocket(listener);
        WSACleanup();
        return kNone;
    }
    port = ntohs(address.sin_port);
    return static_cast<Socket>(listener);
}

void close_listener(Socket listener) {
    closesocket(static_cast<SOCKET>(listener));
    WSACleanup();
}

Socket accept_client(Socket listener) {
    const SOCKET client = accept(static_cast<SOCKET>(listener), nullptr, nullptr);
    return client == INVALID_SOCKET ? kNone : static_cast<Socket>(client);
}

int receive(Socket client, char* buffer, int size) {
    return recv(static_cast<SOCKET>(client), buffer, size, 0);
}

void send_all(Socket client, const std::string& bytes) {
    for (std::size_t sent = 0; sent < bytes.size();) {
        const int n = send(static_cast<SOCKET>(client), bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

void close_client(Socket client) {
    shutdown(static_cast<SOCKET>(client), SD_SEND);
    closesocket(static_cast<SOCKET>(client));
}

}  // namespace vis::test::sockets
