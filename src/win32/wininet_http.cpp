#include "win32/wininet_http.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "win32/wide.h"

namespace vis::win32 {

namespace {

struct InternetCloser {
    void operator()(HINTERNET h) const { InternetCloseHandle(h); }
};
using Internet = std::unique_ptr<void, InternetCloser>;

// The request waits no longer for a connection, for sending or for each read than `ms`.
void set_timeouts(HINTERNET h, DWORD ms) {
    for (const DWORD option :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
        InternetSetOptionW(h, option, &ms, sizeof ms);
}

struct Address {
    std::wstring host;
    std::wstring path;  // with the query
    INTERNET_PORT port = 0;
    bool secure = false;
};

std::optional<Address> crack(const std::wstring& url) {
    wchar_t host[256] = {}, path[2048] = {}, extra[2048] = {};
    URL_COMPONENTSW parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = 256;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = 2048;
    parts.lpszExtraInfo = extra;
    parts.dwExtraInfoLength = 2048;
    if (!InternetCrackUrlW(url.c_str(), 0, 0, &parts)) return std::nullopt;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return std::nullopt;
    Address a{host, std::wstring(path) + extra, parts.nPort, parts.nScheme == INTERNET_SCHEME_HTTPS};
    if (a.host.empty()) return std::nullopt;
    if (a.path.empty()) a.path = L"/";
    return a;
}

}  // namespace

std::string WinInetHttp::get(const std::string& url, int timeout_ms) {
    const auto address = crack(widen(url));
    if (!address) return {};
    const DWORD timeout = static_cast<DWORD>(std::max(1, timeout_ms));
    const ULONGLONG deadline = GetTickCount64() + timeout;
    const Internet session(InternetOpenW(L"Vistelle", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) return {};
    set_timeouts(session.get(), timeout);
    const Internet connection(InternetConnectW(session.get(), address->host.c_str(), address->port, nullptr, nullptr,
                                               INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return {};
    const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI |
                        INTERNET_FLAG_NO_COOKIES | (address->secure ? INTERNET_FLAG_SECURE : 0);
    const Internet request(
        HttpOpenRequestW(connection.get(), L"GET", address->path.c_str(), nullptr, nullptr, nullptr, flags, 0));
    if (!request) return {};
    set_timeouts(request.get(), timeout);
    // Any status will do: an error page is an answer too.
    if (!HttpSendRequestW(request.get(), nullptr, 0, nullptr, 0)) return {};
    std::string body;
    char buffer[kMaxBody];
    while (body.size() < kMaxBody) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return {};
        // Each read waits no longer than the time the whole request has left.
        set_timeouts(request.get(), static_cast<DWORD>(deadline - now));
        DWORD read = 0;
        if (!InternetReadFile(request.get(), buffer, static_cast<DWORD>(kMaxBody - body.size()), &read)) return {};
        if (read == 0) break;
        body.append(buffer, read);
    }
    return body;
}

}  // namespace vis::win32
