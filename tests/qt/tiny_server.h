#pragma once
// A tiny HTTP server on 127.0.0.1 for tests of the real network code.
#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <string>

namespace vis::test {

// Answers every request with `response` after `delay_ms`; a negative delay never answers.
class TinyServer {
public:
    TinyServer(QByteArray response, int delay_ms) : response_(std::move(response)), delay_ms_(delay_ms) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    request_ += socket->readAll();
                    if (!request_.contains("\r\n\r\n") || delay_ms_ < 0) return;
                    QTimer::singleShot(delay_ms_, socket, [this, socket] {
                        socket->write(response_);
                        socket->disconnectFromHost();
                    });
                });
            }
        });
    }
    std::string url(const char* path) const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
    }
    const QByteArray& request() const { return request_; }

private:
    QTcpServer server_;
    QByteArray response_;
    QByteArray request_;
    int delay_ms_;
};

inline QByteArray response(const char* status, const QByteArray& body) {
    return QByteArray("HTTP/1.1 ") + status +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace vis::test
