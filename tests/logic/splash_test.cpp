// The splash window: its panel, its two timer states and the version check at each tick.
#include <gtest/gtest.h>

#include "splash/splash_window.h"
#include "support/app_fixture.h"
#include "support/splash_surface.h"

namespace vis {
namespace {

using test::App;

const std::string kQuery = "http://127.0.0.1:9/cgi-bin/soft/ver.cgi?mode=ver&file=pelmar_vistelle";

// The main window loaded (splash shown) but no tick run yet.
MainWindow& load(App& app) {
    app.folders.write_settings();
    app.make().start();
    return *app.form;
}

TEST(Splash, BorderlessWhitePanelWithTheVersionAndNotices) {
    App app;
    test::SplashSurface s(test::win<SplashWindow>(load(app)));
    EXPECT_TRUE(s.shown());
    EXPECT_EQ(s.window().border_style(), BorderStyle::none);
    EXPECT_EQ(s.window().back_colour(), rgb(255, 255, 255));
    EXPECT_FALSE(s.on_top());

    const auto info = s.information();
    ASSERT_EQ(info.size(), 6u);
    EXPECT_EQ(info[0], std::string(48, ' ') + "(v2.00)");
    EXPECT_EQ(info[1], "　");
    // Credit and copyright name the developers as a group, never a person.
    EXPECT_EQ(info[2], "プログラム作成：Vistelle 開発チーム");
    EXPECT_EQ(info[3], "　");
    EXPECT_EQ(info[4], "");
    EXPECT_EQ(info[5], "Copyright (C) Vistelle developers");
    const auto notice = s.notices();
    ASSERT_EQ(notice.size(), 3u);
    for (const auto& line : notice) EXPECT_FALSE(line.empty());

    EXPECT_FALSE(s.on_top());
    EXPECT_TRUE(s.still_to_change());
    EXPECT_TRUE(app.plat.http.urls.empty());
}

TEST(Splash, FirstTickPutsItOnTopSecondHidesItAndEachChecksTheVersion) {
    App app;
    test::SplashSurface s(test::win<SplashWindow>(load(app)));
    app.plat.windows.advance(1);
    EXPECT_TRUE(s.on_top());
    EXPECT_TRUE(s.shown());
    EXPECT_EQ(app.plat.http.urls, std::vector<std::string>{kQuery});
    EXPECT_EQ(app.plat.http.timeouts, std::vector<int>{5000});

    app.plat.windows.advance(2999);
    EXPECT_TRUE(s.shown());
    EXPECT_EQ(app.plat.http.urls.size(), 1u);
    app.plat.windows.advance(1);
    EXPECT_FALSE(s.shown());
    EXPECT_FALSE(s.still_to_change());
    EXPECT_EQ(app.plat.http.urls, (std::vector<std::string>{kQuery, kQuery}));

    app.plat.windows.advance(20000);
    EXPECT_EQ(app.plat.http.urls.size(), 2u);
    EXPECT_FALSE(s.shown());
    // The up-to-date answer never asked anything.
    EXPECT_TRUE(app.plat.prompts.asked().empty());
}

TEST(Splash, NoNetworkIsReportedAfterEachTick) {
    App app;
    app.plat.http.body = "";
    test::SplashSurface s(test::win<SplashWindow>(load(app)));
    app.plat.prompts.answer_message(MsgResult::ok);
    app.plat.prompts.answer_message(MsgResult::ok);
    app.plat.windows.advance(3001);
    const auto& asked = app.plat.prompts.asked();
    ASSERT_EQ(asked.size(), 2u);
    for (const auto& a : asked) {
        EXPECT_EQ(a.box.text, "ネットワークに接続できませんでした。");
        EXPECT_EQ(a.box.title, kAppTitle);
        EXPECT_EQ(a.box.buttons, MsgButtons::ok);
        EXPECT_EQ(a.box.owner, &s.window());
    }
    EXPECT_FALSE(s.shown());
    EXPECT_TRUE(app.plat.shell.opened.empty());
}

TEST(Splash, NewerVersionHidesTheSplashAndOffersTheDownloadAtEachTick) {
    App app;
    app.plat.http.body = "2.1";
    test::SplashSurface s(test::win<SplashWindow>(load(app)));
    app.plat.prompts.answer_message(MsgResult::yes);
    app.plat.windows.advance(1);
    EXPECT_FALSE(s.shown());
    ASSERT_EQ(app.plat.prompts.asked().size(), 1u);
    const MessageBox& box = app.plat.prompts.asked()[0].box;
    EXPECT_EQ(box.text, "新しいバージョン(Ver 2.10)が公開されています。\r\n[はい]を押すとダウンロードを開始します。");
    EXPECT_EQ(box.title, "確認");
    EXPECT_EQ(box.icon, MsgIcon::question);
    EXPECT_EQ(box.buttons, MsgButtons::yes_no);
    EXPECT_EQ(box.owner, &s.window());
    ASSERT_EQ(app.plat.shell.opened.size(), 1u);
    EXPECT_EQ(app.plat.shell.opened[0],
              "http://127.0.0.1:9/cgi-bin/soft/dl.cgi?mode=dl&file=pelmar_vistelle&ver_up=2.00");
    EXPECT_EQ(app.plat.shell.folders[0], app.folders.program);

    // The second tick asks again; No opens nothing.
    app.plat.prompts.answer_message(MsgResult::no);
    app.plat.windows.advance(3000);
    EXPECT_EQ(app.plat.prompts.asked().size(), 2u);
    EXPECT_EQ(app.plat.shell.opened.size(), 1u);
    EXPECT_FALSE(s.still_to_change());
    EXPECT_TRUE(app.plat.prompts.all_answered());
}

TEST(Splash, UpToDateOrUnusableAnswersStartSilently) {
    for (const char* answer : {"2.00", "2", "1.99", "abc", "v3.0", " 2.0 \r\n"}) {
        App app;
        app.plat.http.body = answer;
        test::SplashSurface s(test::win<SplashWindow>(load(app)));
        app.plat.windows.advance(3001);
        EXPECT_TRUE(app.plat.prompts.asked().empty()) << answer;
        EXPECT_FALSE(s.shown()) << answer;
        EXPECT_EQ(app.plat.http.urls.size(), 2u) << answer;
    }
}

// A build without a real update server (the CMake default, or none) would only ever report the
// network unreachable at start-up, so it does not ask; the settings dialog's button and the Help
// menu's web page still use whatever server the build names.
TEST(Splash, TheStartUpCheckAsksOnlyARealServer) {
    const struct {
        std::string server;
        bool asked_at_start;
    } cases[] = {
        {"http://vistelle.pelmar-fans.example", false},
        {"", false},
        {"http://updates.vistelle.test", true},
        {"http://vistelle.pelmar-fans.example.net", true},
    };
    for (const auto& c : cases) {
        App app;
        app.plat.update_server = c.server;
        app.plat.http.body = "";
        const std::string query = c.server + "/cgi-bin/soft/ver.cgi?mode=ver&file=pelmar_vistelle";
        MainWindow& f = load(app);
        test::SplashSurface s(test::win<SplashWindow>(f));
        if (c.asked_at_start) {
            app.plat.prompts.answer_message(MsgResult::ok);
            app.plat.prompts.answer_message(MsgResult::ok);
        }
        app.plat.windows.advance(3001);
        EXPECT_FALSE(s.shown()) << c.server;
        EXPECT_FALSE(s.still_to_change()) << c.server;
        const std::vector<std::string> asked =
            c.asked_at_start ? std::vector<std::string>{query, query} : std::vector<std::string>{};
        EXPECT_EQ(app.plat.http.urls, asked) << c.server;
        EXPECT_EQ(app.plat.prompts.asked().size(), c.asked_at_start ? 2u : 0u) << c.server;
        EXPECT_TRUE(f.visible()) << c.server;

        test::click_menu(f.mSite);
        EXPECT_EQ(app.plat.shell.opened, std::vector<std::string>{c.server + "/"}) << c.server;
        test::SettingsSurface settings = app.main().open_settings();
        app.plat.prompts.clear_asked();
        app.plat.http.urls.clear();
        app.plat.prompts.answer_message(MsgResult::ok);
        settings.press(test::settings_entry::kCheckVersion);
        EXPECT_EQ(app.plat.http.urls, std::vector<std::string>{query}) << c.server;
        ASSERT_EQ(app.plat.prompts.asked().size(), 1u) << c.server;
        EXPECT_EQ(app.plat.prompts.asked()[0].box.text, "ネットワークに接続できませんでした。") << c.server;
    }
}

TEST(Splash, NotShownWhenTheSettingsCannotBeRead) {
    App app;
    test::write_file(app.folders.settings_file(), "C:\\x\r\n");
    test::ProgramWindows program_windows(app.plat.platform());
    MainWindow& f = program_windows.main();
    f.start();
    app.plat.windows.advance(5000);
    EXPECT_TRUE(app.plat.http.urls.empty());
    EXPECT_TRUE(app.plat.prompts.asked().empty());
}

}  // namespace
}  // namespace vis
