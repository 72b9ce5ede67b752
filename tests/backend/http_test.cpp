// Each system's synchronous GET against a server on 127.0.0.1: the body of any answer, error pages
// included, cut at 4096 bytes; nothing for no answer in time, no server or no address.
#include <chrono>

#include "backend/backend_driver.h"
#include "support/loopback_server.h"

namespace vis::test {
namespace {

constexpr const char* kVersionPath = "/cgi-bin/soft/ver.cgi?mode=ver&file=pelmar_vistelle";

TEST_F(BackendTest, AGetReturnsTheBodyOfAnyAnswerUpTo4096Bytes) {
    const struct {
        const char* what;
        std::string response;
        std::string body;
    } cases[] = {
        {"a version", http_response("200 OK", "2.10"), "2.10"},
        {"an error page", http_response("404 Not Found", "<html>no such page</html>"), "<html>no such page</html>"},
        {"a server's failure", http_response("500 Internal Server Error", "2.10"), "2.10"},
        {"a long answer", http_response("200 OK", std::string(10000, 'v')), std::string(4096, 'v')},
        {"a long error page", http_response("404 Not Found", std::string(10000, 'y')), std::string(4096, 'y')},
        {"an empty answer", http_response("200 OK", ""), ""},
    };
    const std::unique_ptr<Http> http = driver->http();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LoopbackServer server(c.response, 0);
        ASSERT_NE(server.port(), 0);
        EXPECT_EQ(http->get(server.url(kVersionPath), 5000), c.body);
        EXPECT_EQ(server.request().rfind(std::string("GET ") + kVersionPath + " HTTP/1.1\r\n", 0), 0u)
            << server.request();
    }
}

TEST_F(BackendTest, AGetGivesNothingForNoAnswerInTimeNoServerOrNoAddress) {
    const std::unique_ptr<Http> http = driver->http();
    LoopbackServer silent(http_response("200 OK", "late"), -1);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(http->get(silent.url("/"), 500), "");
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(400));
    EXPECT_LT(waited, std::chrono::milliseconds(4000));

    int closed_port = 0;
    {
        const LoopbackServer gone("", 0);
        closed_port = gone.port();
    }
    const std::string urls[] = {"http://127.0.0.1:" + std::to_string(closed_port) + "/", "ftp://127.0.0.1/version.txt",
                                "not an address", ""};
    for (const std::string& url : urls) EXPECT_EQ(http->get(url, 2000), "") << url;
}

}  // namespace
}  // namespace vis::test
