#include "support/loopback_socket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vis::test::sockets {

Socket listen_on_loopback(int& port) {
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 4) != 0 || getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listener >= 0) close(listener);
        return kNone;
    }
    port = ntohs(address.sin_port);
    return listener;
}

void close_listener(Socket listener) {
    // Closing alone does not wake a thread waiting in accept on Linux; shutting down does.
    shutdown(static_cast<int>(listener), SHUT_RDWR);
    close(static_cast<int>(listener));
}

Socket accept_client(Socket listener) {
    const int client = accept(static_cast<int>(listener), nullptr, nullptr);
    return client < 0 ? kNone : client;
}

int receive(Socket client, char* buffer, int size) {
    return static_cast<int>(recv(static_cast<int>(client), buffer, static_cast<std::size_t>(size), 0));
}

void send_all(Socket client, const std::string& bytes) {
    for (std::size_t sent = 0; sent < bytes.size();) {
        const auto n = send(static_cast<int>(client), bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

void close_client(Socket client) {
    shutdown(static_cast<int>(client), SHUT_WR);
    close(static_cast<int>(client));
}

}  // namespace vis::test::sockets
