#include "qt/qt_http.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "qt/input_blocker.h"
#include "ui/window_system.h"

namespace vis {

namespace {

struct LaterDeleter {
    void operator()(QNetworkReply* r) const { r->deleteLater(); }
};

// Whether the server answered at all, whatever its status: an error page is an answer too.
bool response_arrived(const QNetworkReply& reply) {
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
}

}  // namespace

QtHttp::QtHttp(const WindowSystem& windows) : windows_(windows) {}

QtHttp::~QtHttp() = default;

std::string QtHttp::get(const std::string& url, int timeout_ms) {
    if (windows_.quitting()) return {};
    const QUrl address(QString::fromStdString(url));
    if (!address.isValid() || address.isRelative()) return {};
    if (!manager_) manager_ = std::make_unique<QNetworkAccessManager>();

    std::unique_ptr<QNetworkReply, LaterDeleter> reply(manager_->get(QNetworkRequest(address)));
    QByteArray body;
    bool full = false;
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        body += reply->read(kMaxBody - body.size());
        if (body.size() >= kMaxBody) {
            full = true;
            loop.quit();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(std::max(1, timeout_ms));
    {
        const InputBlocker block;
        if (!reply->isFinished()) loop.exec();
    }
    // Timed out, or the program ended while waiting.
    if (windows_.quitting() || (!full && !reply->isFinished())) {
        reply->abort();
        return {};
    }
    if (!response_arrived(*reply)) {
        reply->abort();
        return {};
    }
    if (full)
        reply->abort();
    else
        body += reply->read(kMaxBody - body.size());
    return body.toStdString();
}

}  // namespace vis
