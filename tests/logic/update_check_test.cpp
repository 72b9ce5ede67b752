// Version values, the "#.#0" display, the two addresses, and the manual check of the settings dialog.
#include "settings_dialog/update_check.h"

#include <gtest/gtest.h>

#include "support/app_fixture.h"

namespace vis {
namespace {

using test::App;
using test::settings_entry::kCheckVersion;

TEST(VersionText, FormattedWithTwoDecimalsAndNoLeadingZero) {
    const std::vector<std::pair<std::string, std::string>> table{
        {"2.1", "2.10"},    {"3", "3.00"},      {"0.5", ".50"},       {"2.00", "2.00"},  {"10.0", "10.00"},
        {".5", ".50"},      {"007.5", "7.50"},  {" 2.1 ", "2.10"},    {"2.004", "2.00"}, {"2.005", "2.01"},
        {"9.995", "10.00"}, {"0.001", ".00"},   {"-0.5", "-.50"},     {"-0.001", ".00"}, {"+1.2", "1.20"},
        {"2.", "2.00"},     {"abc", "abc"},     {"2.1abc", "2.1abc"}, {"", ""},          {".", "."},
        {"1,5", "1,5"},     {"2.5e1", "25.00"}, {"25E-1", "2.50"},    {"2e", "2e"},      {"1e999", "1e999"}};
    for (const auto& [text, shown] : table) EXPECT_EQ(format_version(text), shown) << text;
}

TEST(VersionText, ValueIsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(version_value("2.00"), 2.0);
    EXPECT_DOUBLE_EQ(version_value("  2.1"), 2.1);
    EXPECT_DOUBLE_EQ(version_value("\r\n10.0\r\n"), 10.0);
    EXPECT_DOUBLE_EQ(version_value("2.1abc"), 2.1);
    EXPECT_DOUBLE_EQ(version_value("2.1.3"), 2.1);
    EXPECT_DOUBLE_EQ(version_value("-1"), -1.0);
    EXPECT_DOUBLE_EQ(version_value(".5"), 0.5);
    EXPECT_DOUBLE_EQ(version_value("abc"), 0.0);
    EXPECT_DOUBLE_EQ(version_value(""), 0.0);
    EXPECT_DOUBLE_EQ(version_value("v2"), 0.0);
    // Numeric, not text, order.
    EXPECT_GT(version_value("10.0"), version_value("2.00"));
    EXPECT_DOUBLE_EQ(version_value(std::string(400, '9')), 0.0);
    // An exponent scales the number; one beyond what a double holds counts as no number.
    EXPECT_DOUBLE_EQ(version_value("2.5e1"), 25.0);
    EXPECT_DOUBLE_EQ(version_value("1e999"), 0.0);
}

TEST(VersionText, QueryAndDownloadAddresses) {
    EXPECT_EQ(version_query_url("http://h.example"),
              "http://h.example/cgi-bin/soft/ver.cgi?mode=ver&file=pelmar_vistelle");
    EXPECT_EQ(download_page_url("http://h.example", "2.00"),
              "http://h.example/cgi-bin/soft/dl.cgi?mode=dl&file=pelmar_vistelle&ver_up=2.00");
    EXPECT_EQ(download_page_url("http://h.example", "2.1"),
              "http://h.example/cgi-bin/soft/dl.cgi?mode=dl&file=pelmar_vistelle&ver_up=2.10");
}

struct ManualCase {
    std::string answer;
    std::string text;
    std::string title;
    MsgIcon icon;
    MsgButtons buttons;
    MsgResult reply;
    bool download_opened;
};

TEST(ManualVersionCheck, AnswersOfTheServer) {
    const std::string newer_tail = ")が公開されています。\r\n[はい]を押すとダウンロードを開始します。";
    const std::vector<ManualCase> cases{
        {"2.00", "最新バージョン(Ver 2.00)です。このままお使いください", "バージョン", MsgIcon::information,
         MsgButtons::ok, MsgResult::ok, false},
        {"1.5", "最新バージョン(Ver 1.50)です。このままお使いください", "バージョン", MsgIcon::information,
         MsgButtons::ok, MsgResult::ok, false},
        {"2.1", "新しいバージョン(Ver 2.10" + newer_tail, "確認", MsgIcon::question, MsgButtons::yes_no, MsgResult::yes,
         true},
        {"10.0", "新しいバージョン(Ver 10.00" + newer_tail, "確認", MsgIcon::question, MsgButtons::yes_no,
         MsgResult::no, false},
        // Only the number of an answer is shown, never the rest of what came back.
        {"2.5\r\n<html>moved</html>", "新しいバージョン(Ver 2.50" + newer_tail, "確認", MsgIcon::question,
         MsgButtons::yes_no, MsgResult::no, false},
        {"abc", "最新バージョン(Ver .00)です。このままお使いください", "バージョン", MsgIcon::information,
         MsgButtons::ok, MsgResult::ok, false},
        {"", "ネットワークに接続できませんでした。", kAppTitle, MsgIcon::none, MsgButtons::ok, MsgResult::ok, false},
        {" \r\n", "ネットワークに接続できませんでした。", kAppTitle, MsgIcon::none, MsgButtons::ok, MsgResult::ok,
         false},
    };
    for (const auto& c : cases) {
        App app;
        app.folders.write_settings();
        app.start();
        test::SettingsSurface d = app.main().open_settings();
        app.plat.http.body = c.answer;
        app.plat.http.urls.clear();
        app.plat.http.timeouts.clear();
        app.plat.prompts.answer_message(c.reply);
        d.press(kCheckVersion);

        ASSERT_EQ(app.plat.prompts.asked().size(), 1u) << c.answer;
        const MessageBox& box = app.plat.prompts.asked()[0].box;
        EXPECT_EQ(box.text, c.text) << c.answer;
        EXPECT_EQ(box.title, c.title) << c.answer;
        EXPECT_EQ(box.icon, c.icon) << c.answer;
        EXPECT_EQ(box.buttons, c.buttons) << c.answer;
        EXPECT_EQ(box.owner, &d.window()) << c.answer;
        EXPECT_EQ(app.plat.http.urls,
                  std::vector<std::string>{"http://127.0.0.1:9/cgi-bin/soft/ver.cgi?mode=ver&file=pelmar_vistelle"});
        EXPECT_EQ(app.plat.http.timeouts, std::vector<int>{kVersionQueryTimeoutMs});
        if (c.download_opened) {
            EXPECT_EQ(app.plat.shell.opened,
                      std::vector<std::string>{
                          "http://127.0.0.1:9/cgi-bin/soft/dl.cgi?mode=dl&file=pelmar_vistelle&ver_up=2.00"});
            EXPECT_EQ(app.plat.shell.folders, std::vector<std::string>{app.folders.program});
        } else {
            EXPECT_TRUE(app.plat.shell.opened.empty()) << c.answer;
        }
        EXPECT_TRUE(d.can_press(kCheckVersion)) << c.answer;
        EXPECT_TRUE(d.shown()) << c.answer;
    }
}

// Sees the check button while the query waits for the server.
class ButtonWatchingHttp : public Http {
public:
    std::string get(const std::string&, int) override {
        if (button != nullptr) enabled_during_query.push_back(button->enabled());
        return "";
    }
    const Button* button = nullptr;
    std::vector<bool> enabled_during_query;
};

TEST(ManualVersionCheck, TheButtonIsOffWhileTheQueryWaitsAndUsableAgainAfterAFailure) {
    App app;
    ButtonWatchingHttp http;
    app.plat.use(http);
    app.make();
    test::SettingsSurface d = app.main().settings();
    http.button = &test::captioned<Button>(d.window(), kCheckVersion);
    d.window().open(false);
    app.plat.prompts.answer_message(MsgResult::ok);
    app.plat.prompts.answer_message(MsgResult::ok);
    d.press(kCheckVersion);
    d.press(kCheckVersion);
    EXPECT_EQ(http.enabled_during_query, (std::vector<bool>{false, false}));
    EXPECT_TRUE(d.can_press(kCheckVersion));
    EXPECT_EQ(app.plat.prompts.asked().size(), 2u);
}

}  // namespace
}  // namespace vis
