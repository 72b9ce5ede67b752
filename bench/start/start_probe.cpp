// The whole program, started on a program folder, until its screenshot list is ready (with
// "album", until the album window has listed the folder too); then prints its resident memory
// and ends. Run it under a process timer to compare start-up time and memory between folders, or
// beside the Windows build's probe with bench/start/paired_start.sh. With "thumbnails" it weighs
// the thumbnail window paged through to the end instead (bench/start/paired_thumbnails.sh):
//   vistelle_start_probe <program folder> [album | thumbnails]
#include <QApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/qt_program.h"
#include "core/app.h"
#include "start/start_report.h"

namespace {

vis::bench::ProcessMemory memory() {
    vis::bench::ProcessMemory m;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) m.resident_kb = std::stol(line.substr(6));
        if (line.rfind("RssAnon:", 0) == 0) m.private_kb = std::stol(line.substr(8));
    }
    return m;
}

// Answers every request with the program's own version, so the start-up check stays silent.
void serve_current_version(QTcpServer& server) {
    server.listen(QHostAddress::LocalHost);
    QObject::connect(&server, &QTcpServer::newConnection, [&server] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                socket->readAll();
                const QByteArray body(vis::kVersion);
                socket->write("HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" +
                              body);
                socket->disconnectFromHost();
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    vis::bench::begin_timeline();
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: vistelle_start_probe <program folder> [album | thumbnails]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::string mode = argc > 2 ? argv[2] : "";
    QTcpServer update_server;
    serve_current_version(update_server);
    const std::string server = "http://127.0.0.1:" + std::to_string(update_server.serverPort());
    return vis::run_qt_program(folder, server, [mode](vis::WindowOwner& windows) {
        if (mode == "thumbnails")
            vis::bench::report_thumbnails_memory(windows, memory);
        else
            vis::bench::report_when_started(windows, mode == "album", memory);
    });
}
