#pragma once
#include <QtGlobal>
#include <memory>

#include "services/http.h"

class QNetworkAccessManager;

namespace vis {

class WindowSystem;

// A synchronous GET: a local event loop waits for the answer, keeps the windows painted and
// drops the user's input meanwhile. The body of whatever response arrives, error pages
// included; empty when none arrives (no connection, time-out).
class QtHttp : public Http {
public:
    // Bodies longer than this are cut; the program only ever asks for a version number.
    static constexpr qint64 kMaxBody = 4096;

    explicit QtHttp(const WindowSystem& windows);
    ~QtHttp() override;
    std::string get(const std::string& url, int timeout_ms) override;

private:
    const WindowSystem& windows_;
    std::unique_ptr<QNetworkAccessManager> manager_;
};

}  // namespace vis
