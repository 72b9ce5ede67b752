#pragma once
// The few socket calls the loopback server makes, one file per system.
#include <cstdint>
#include <string>

namespace vis::test::sockets {

using Socket = std::intptr_t;
constexpr Socket kNone = -1;

// A socket listening on 127.0.0.1 at a free port, which goes to `port`; kNone when none could be
// made.
Socket listen_on_loopback(int& port);
// Unblocks a waiting accept_client and frees the listener.
void close_listener(Socket listener);
// The next client, or kNone once the listener is closed.
Socket accept_client(Socket listener);
// Bytes read into `buffer`; 0 or less at the end or on a failure.
int receive(Socket client, char* buffer, int size);
void send_all(Socket client, const std::string& bytes);
// Ends the answer and frees the client.
void close_client(Socket client);

}  // namespace vis::test::sockets
