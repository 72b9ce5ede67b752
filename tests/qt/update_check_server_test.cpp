// The settings dialog's version check over real HTTP against a server on 127.0.0.1: each answer
// leads to its own message, title and icon.
#include <gtest/gtest.h>

#include "main_window/main_window.h"
#include "qt/qt_http.h"
#include "qt/qt_window_system.h"
#include "settings_dialog/settings_dialog.h"
#include "support/app_fixture.h"
#include "support/headless.h"
#include "support/loopback_server.h"
#include "support/settings_surface.h"
#include "support/temp_folder.h"

namespace vis {
namespace {

using test::http_response;
using test::LoopbackServer;

Platform& with_real_network(test::HeadlessPlatform& doubles, QtWindowSystem& windows, QtHttp& http,
                            const std::string& server) {
    doubles.use(windows);
    doubles.use(http);
    doubles.update_server = server;
    return doubles.platform();
}

// MainWindow and its settings dialog with the real HTTP client; prompts stay scripted.
struct ServerCheck {
    explicit ServerCheck(std::string server) : server_base(std::move(server)) {
        folders.write_settings("1", "0");
        settings_dialog.window().open(false);
    }
    // Presses "最新バージョン確認" and returns the message box it showed.
    MessageBox press(MsgResult answer) {
        doubles.prompts.answer_message(answer);
        windows.dispatch([&] { settings_dialog.press(test::settings_entry::kCheckVersion); });
        EXPECT_TRUE(settings_dialog.can_press(test::settings_entry::kCheckVersion));
        const auto& asked = doubles.prompts.asked();
        return asked.empty() ? MessageBox{} : asked.back().box;
    }

    std::string server_base;
    test::GameFolders folders;
    QtWindowSystem windows{folders.program};
    test::HeadlessPlatform doubles{folders.program};
    QtHttp http{windows};
    Platform& platform = with_real_network(doubles, windows, http, server_base);
    test::ProgramWindows program_windows{platform};
    test::SettingsSurface settings_dialog{test::win<SettingsDialog>(program_windows.main()), doubles.prompts};
};

TEST(UpdateCheckOverHttp, AnswersGiveTheirMessages) {
    struct Case {
        std::string body;
        std::string text, title;
        MsgIcon icon;
        const char* status = "200 OK";
    };
    const Case cases[] = {
        {"2.00", "最新バージョン(Ver 2.00)です。このままお使いください", "バージョン", MsgIcon::information},
        {"2.1", "新しいバージョン(Ver 2.10)が公開されています。\r\n[はい]を押すとダウンロードを開始します。", "確認",
         MsgIcon::question},
        {"10.0", "新しいバージョン(Ver 10.00)が公開されています。\r\n[はい]を押すとダウンロードを開始します。", "確認",
         MsgIcon::question},
        {"abc", "最新バージョン(Ver .00)です。このままお使いください", "バージョン", MsgIcon::information},
        {"", "ネットワークに接続できませんでした。", kAppTitle, MsgIcon::none},
        // An error page is an answer, not a missing network: it reads as no version.
        {"<html>Not Found</html>", "最新バージョン(Ver .00)です。このままお使いください", "バージョン",
         MsgIcon::information, "404 Not Found"},
        {"3.5", "新しいバージョン(Ver 3.50)が公開されています。\r\n[はい]を押すとダウンロードを開始します。", "確認",
         MsgIcon::question, "500 Internal Server Error"},
    };
    for (const Case& c : cases) {
        LoopbackServer server(http_response(c.status, c.body), 0);
        ServerCheck check(server.url(""));
        const MessageBox box = check.press(MsgResult::no);
        EXPECT_EQ(box.text, c.text) << c.body;
        EXPECT_EQ(box.title, c.title) << c.body;
        EXPECT_EQ(box.icon, c.icon) << c.body;
        EXPECT_EQ(server.request().rfind("GET /cgi-bin/soft/ver.cgi?mode=ver&file=pelmar_vistelle HTTP/1.1", 0), 0u);
        EXPECT_TRUE(check.doubles.shell.opened.empty());
    }
}

TEST(UpdateCheckOverHttp, YesOpensTheDownloadPageForTheCurrentVersion) {
    LoopbackServer server(http_response("200 OK", "2.1"), 0);
    ServerCheck check(server.url(""));
    check.press(MsgResult::yes);
    ASSERT_EQ(check.doubles.shell.opened.size(), 1u);
    EXPECT_EQ(check.doubles.shell.opened[0],
              server.url("") + "/cgi-bin/soft/dl.cgi?mode=dl&file=pelmar_vistelle&ver_up=2.00");
}

TEST(UpdateCheckOverHttp, SlowAndRefusedServersCountAsNoNetwork) {
    {
        LoopbackServer slow(http_response("200 OK", "9.99"), 8000);
        ServerCheck check(slow.url(""));
        EXPECT_EQ(check.press(MsgResult::ok).text, "ネットワークに接続できませんでした。");
    }
    int port = 0;
    {
        const LoopbackServer gone("", 0);
        port = gone.port();
    }
    ServerCheck refused("http://127.0.0.1:" + std::to_string(port));
    EXPECT_EQ(refused.press(MsgResult::ok).text, "ネットワークに接続できませんでした。");
}

}  // namespace
}  // namespace vis
