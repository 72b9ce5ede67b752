// Background music on the headless backend: the exact media commands for start-up, polling,
// restarting an ended track, changing, switching off and on, and quitting.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app.h"
#include "main_window/main_window.h"
#include "music/tracks.h"
#include "services/paths.h"
#include "support/app_fixture.h"
#include "support/headless.h"
#include "support/temp_folder.h"
#include "ui/keys.h"

namespace vis {
namespace {

const std::string kTitle = "Pelmarオンライン - Vistelle (v2.00)";
const std::string kLoading = "BGM読み込み中...";

// A draw of the random source that picks track `index`.
double draw_for(int index) {
    return (index + 0.5) / 9.0;
}

std::string command(const std::string& word, const std::string& path) {
    return word + " \"" + path + "\"";
}
std::string status_of(const std::string& path) {
    return command("status", path) + " mode";
}

// Notes, with every command, the main window's caption at the moment the command was sent.
class CaptionWatchingMedia : public test::RecordingMedia {
public:
    int send(const std::string& cmd, std::string& reply) override {
        captions.push_back(window != nullptr ? window->caption() : std::string());
        return RecordingMedia::send(cmd, reply);
    }
    const Form* window = nullptr;
    std::vector<std::string> captions;
};

class Music : public ::testing::Test {
protected:
    test::GameFolders folders;
    test::HeadlessPlatform plat{folders.program};
    CaptionWatchingMedia media;
    std::unique_ptr<test::ProgramWindows> program;
    MainWindow* form = nullptr;

    Music() {
        plat.use(media);
        plat.http.body = kVersion;
    }
    MainWindow& make() {
        program = std::make_unique<test::ProgramWindows>(plat.platform());
        form = &program->main();
        return *form;
    }
    void TearDown() override { EXPECT_TRUE(plat.prompts.all_answered()); }
    test::MainSurface main() { return {*form, plat.prompts}; }

    // Loads the window with the music flag as the file holds it and runs the start-up step.
    MainWindow& start(const std::string& music_flag) {
        folders.write_settings("1", music_flag);
        make();
        media.window = form;
        form->start();
        plat.windows.advance(1);
        return *form;
    }
    // Music on and track `index` playing; the commands so far are forgotten.
    MainWindow& playing(int index) {
        plat.random.values.push_back(draw_for(index));
        MainWindow& f = start("1");
        plat.windows.advance(500);
        EXPECT_EQ(f.music().track(), track(index));
        forget_commands();
        return f;
    }
    void forget_commands() {
        media.commands.clear();
        media.captions.clear();
    }
    std::string track(int index) const { return track_path(folders.game, index); }
    std::string settings_with_music(const std::string& flag) const {
        return folders.game + "\r\n1\r\n" + flag + "\r\n" + folders.game + "\r\n";
    }
};

TEST_F(Music, StartsARandomTrack500msAfterTheStartUpStep) {
    plat.random.values.push_back(draw_for(5));
    MainWindow& f = start("1");
    EXPECT_EQ(f.caption(), kTitle);
    EXPECT_EQ(f.music().track(), "");
    EXPECT_EQ(f.music().poll_interval(), 500);
    EXPECT_TRUE(media.commands.empty());

    plat.windows.advance(499);
    EXPECT_TRUE(media.commands.empty());
    plat.windows.advance(1);
    EXPECT_EQ(media.commands, (std::vector<std::string>{command("open", track(5)), command("play", track(5))}));
    EXPECT_EQ(media.captions, (std::vector<std::string>{kLoading, kLoading}));
    EXPECT_EQ(f.caption(), kTitle);
    EXPECT_EQ(f.music().track(),
              join_path(join_path(join_path(folders.game, "Data"), "Sound"), "S_BGM_SunnyCoast.mp3"));
    // Seeded from the clock at the moment of the choice.
    ASSERT_FALSE(plat.random.seeds.empty());
    EXPECT_EQ(plat.random.seeds.back(), static_cast<std::uint64_t>(plat.windows.now()));
    EXPECT_EQ(f.music().poll_interval(), 500);
}

TEST_F(Music, StaysSilentWhenTheFlagIsOffAtStartUp) {
    MainWindow& f = start(" 0");
    EXPECT_FALSE(main().checked(test::entry::kMusic));
    EXPECT_FALSE(main().enabled(test::entry::kChangeMusic));
    plat.windows.advance(5000);
    EXPECT_TRUE(media.commands.empty());
    EXPECT_EQ(f.music().track(), "");
}

TEST_F(Music, EveryDrawPicksATrackAndNoneBeyondTheLast) {
    test::ScriptedRandom random;
    test::VirtualClock clock(plat.windows);
    for (int i = 0; i < 9; ++i) {
        random.values = {draw_for(i)};
        EXPECT_EQ(random_track_index(clock, random), i);
    }
    random.values = {0.0, 0.999999999, 1.0};
    EXPECT_EQ(random_track_index(clock, random), 0);
    EXPECT_EQ(random_track_index(clock, random), 8);
    EXPECT_EQ(random_track_index(clock, random), 8);
}

TEST_F(Music, AnEndedTrackIsPlayedAgainFromItsBeginning) {
    MainWindow& f = playing(2);
    const auto draws = plat.random.seeds.size();
    media.status_replies = {"playing", "stopped"};
    plat.windows.advance(500);
    EXPECT_EQ(media.commands, std::vector<std::string>{status_of(track(2))});
    plat.windows.advance(500);
    EXPECT_EQ(media.commands,
              (std::vector<std::string>{status_of(track(2)), status_of(track(2)), command("close", track(2)),
                                        command("open", track(2)), command("play", track(2))}));
    EXPECT_EQ(f.music().track(), track(2));
    EXPECT_EQ(plat.random.seeds.size(), draws);  // the same track, not a new choice

    // The reply counts up to its first NUL and in any letter case.
    forget_commands();
    media.status_replies = {std::string("Stopped\0xyz", 11)};
    plat.windows.advance(500);
    EXPECT_EQ(media.commands.size(), 4u);
    EXPECT_EQ(media.commands.back(), command("play", track(2)));
}

TEST_F(Music, OtherRepliesAndFailedQueriesChangeNothing) {
    MainWindow& f = playing(4);
    media.status_replies = {"paused", "stoppedx", "", std::string("\0stopped", 8)};
    plat.windows.advance(2500);  // four replies, then a query that fails
    EXPECT_EQ(media.commands, std::vector<std::string>(5, status_of(track(4))));
    EXPECT_EQ(f.music().track(), track(4));
}

TEST_F(Music, ChangeClosesTheTrackAndStartsARandomOne) {
    MainWindow& f = playing(3);
    plat.random.values = {draw_for(7)};
    plat.windows.advance(100);
    test::press_key(f, key::kF1);
    EXPECT_EQ(media.commands, (std::vector<std::string>{command("close", track(3)), command("open", track(7)),
                                                        command("play", track(7))}));
    EXPECT_EQ(media.captions[1], kLoading);
    EXPECT_EQ(media.captions[2], kLoading);
    EXPECT_EQ(f.caption(), kTitle);
    EXPECT_EQ(f.music().track(), track(7));
    EXPECT_EQ(plat.random.seeds.back(), static_cast<std::uint64_t>(plat.windows.now()));

    // Polling follows the new track, and it repeats too.
    forget_commands();
    media.status_replies = {"stopped"};
    plat.windows.advance(500);
    EXPECT_EQ(media.commands, (std::vector<std::string>{status_of(track(7)), command("close", track(7)),
                                                        command("open", track(7)), command("play", track(7))}));

    // The same track may come again.
    forget_commands();
    plat.random.values = {draw_for(7)};
    main().choose_menu(test::entry::kChangeMusic);
    EXPECT_EQ(media.commands, (std::vector<std::string>{command("close", track(7)), command("open", track(7)),
                                                        command("play", track(7))}));
}

TEST_F(Music, ChangeDoesNothingWhileTheMusicIsOff) {
    MainWindow& f = start("0");
    test::press_key(f, key::kF1);
    main().choose_menu(test::entry::kChangeMusic);
    f.change_bgm();
    EXPECT_TRUE(media.commands.empty());
    EXPECT_EQ(f.music().track(), "");
    EXPECT_TRUE(plat.random.seeds.empty());
}

TEST_F(Music, SwitchingOffClosesTheTrackOnEveryTickAndStoresTheFlag) {
    MainWindow& f = playing(1);
    main().choose_menu(test::entry::kMusic);
    EXPECT_FALSE(main().checked(test::entry::kMusic));
    EXPECT_FALSE(main().enabled(test::entry::kChangeMusic));
    EXPECT_EQ(media.commands, std::vector<std::string>{command("close", track(1))});
    EXPECT_EQ(test::read_file(folders.settings_file()), settings_with_music(" 0"));

    plat.windows.advance(1000);
    EXPECT_EQ(media.commands, std::vector<std::string>(3, command("close", track(1))));
    EXPECT_EQ(f.music().track(), track(1));  // the path stays until the music is switched on
    EXPECT_EQ(f.music().poll_interval(), 500);
}

TEST_F(Music, SwitchingOnStartsATrackAtTheNextTickAndPollsEveryMillisecond) {
    MainWindow& f = playing(1);
    main().choose_menu(test::entry::kMusic);
    forget_commands();
    plat.random.values = {draw_for(8)};
    main().choose_menu(test::entry::kMusic);
    EXPECT_TRUE(main().checked(test::entry::kMusic));
    EXPECT_TRUE(main().enabled(test::entry::kChangeMusic));
    EXPECT_EQ(f.music().track(), "");
    EXPECT_EQ(f.music().poll_interval(), 1);
    EXPECT_TRUE(media.commands.empty());
    EXPECT_EQ(test::read_file(folders.settings_file()), settings_with_music(" 1"));

    plat.windows.advance(1);
    EXPECT_EQ(media.commands, (std::vector<std::string>{command("open", track(8)), command("play", track(8))}));
    forget_commands();
    plat.windows.advance(5);
    EXPECT_EQ(media.commands, std::vector<std::string>(5, status_of(track(8))));
    EXPECT_EQ(f.music().poll_interval(), 1);
}

// The dialog's check box is the same setting as the menu's: off closes the track, and on again
// starts a new one rather than polling the closed one.
TEST_F(Music, SwitchedOffAndOnInTheSettingsDialogAsInTheMenu) {
    playing(3);
    const auto apply_with_music = [&](bool on) {
        test::SettingsSurface d = main().open_settings();
        d.set(test::settings_entry::kMusic, on);
        d.press(test::settings_entry::kApply);
    };
    apply_with_music(false);
    EXPECT_FALSE(main().checked(test::entry::kMusic));
    EXPECT_FALSE(main().enabled(test::entry::kChangeMusic));
    EXPECT_EQ(media.commands, std::vector<std::string>{command("close", track(3))});
    // The dialog writes both flags.
    EXPECT_EQ(test::read_file(folders.settings_file()), folders.game + "\r\n 1\r\n 0\r\n" + folders.game + "\r\n");

    forget_commands();
    plat.random.values = {draw_for(6)};
    apply_with_music(true);
    EXPECT_TRUE(main().checked(test::entry::kMusic));
    plat.windows.advance(1);
    EXPECT_EQ(media.commands, (std::vector<std::string>{command("open", track(6)), command("play", track(6))}));
}

TEST_F(Music, ASettingsFileThatCannotBeWrittenLeavesMenuAndMusicAsTheyWere) {
    playing(6);
    const std::string before = test::read_file(folders.settings_file());
    plat.files.fail_flush = true;  // the disk does not take the new file

    plat.prompts.answer_message(MsgResult::ok);
    main().choose_menu(test::entry::kMusic);
    ASSERT_EQ(plat.prompts.asked().size(), 1u);
    const MessageBox& box = plat.prompts.asked()[0].box;
    EXPECT_EQ(box.title, kAppTitle);
    EXPECT_EQ(box.text, "設定ファイルに書き込めなかったため、BGMの設定は変更されていません。");
    EXPECT_EQ(box.buttons, MsgButtons::ok);
    EXPECT_TRUE(main().checked(test::entry::kMusic));
    EXPECT_TRUE(main().enabled(test::entry::kChangeMusic));
    EXPECT_TRUE(media.commands.empty());
    EXPECT_EQ(test::read_file(folders.settings_file()), before);

    // The music keeps playing and is polled as before.
    media.status_replies = {"playing"};
    plat.windows.advance(500);
    EXPECT_EQ(media.commands, std::vector<std::string>{status_of(track(6))});

    // A settings file that has gone missing is not recreated by the toggle either.
    std::filesystem::remove(to_fs_path(folders.settings_file()));
    plat.prompts.answer_message(MsgResult::ok);
    main().choose_menu(test::entry::kMusic);
    EXPECT_EQ(plat.prompts.asked().size(), 2u);
    EXPECT_TRUE(main().checked(test::entry::kMusic));
    EXPECT_FALSE(file_exists(folders.settings_file()));
}

TEST_F(Music, SwitchingOnWhenTheFileCannotBeWrittenKeepsTheMusicOff) {
    MainWindow& f = start("0");
    plat.files.fail_flush = true;  // the disk does not take the new file
    plat.prompts.answer_message(MsgResult::ok);
    main().choose_menu(test::entry::kMusic);
    EXPECT_FALSE(main().checked(test::entry::kMusic));
    EXPECT_FALSE(main().enabled(test::entry::kChangeMusic));
    EXPECT_EQ(f.music().poll_interval(), 500);
    plat.windows.advance(1000);
    EXPECT_TRUE(media.commands.empty());
}

TEST_F(Music, ToggledBeforeTheStartUpStepTheStepStillRuns) {
    folders.write_settings("1", "1");
    MainWindow& f = make();
    f.start();
    main().choose_menu(test::entry::kMusic);
    main().choose_menu(test::entry::kMusic);
    EXPECT_TRUE(f.starting());
    EXPECT_FALSE(f.music().begun());
    forget_commands();
    plat.random.values = {draw_for(0)};
    plat.windows.advance(1);
    EXPECT_EQ(f.caption(), kTitle);
    EXPECT_EQ(f.music().track(), "");
    EXPECT_TRUE(f.music().begun());
    plat.windows.advance(500);
    EXPECT_EQ(media.commands, (std::vector<std::string>{command("open", track(0)), command("play", track(0))}));
}

TEST_F(Music, AMissingTrackStaysSilentWithoutAMessage) {
    media.failing_words = {"open", "play", "status"};
    plat.random.values = {draw_for(5)};
    MainWindow& f = start("1");
    plat.windows.advance(1500);
    EXPECT_EQ(media.commands, (std::vector<std::string>{command("open", track(5)), command("play", track(5)),
                                                        status_of(track(5)), status_of(track(5))}));
    EXPECT_EQ(f.music().track(), track(5));
    EXPECT_TRUE(plat.prompts.asked().empty());
}

TEST_F(Music, QuittingClosesTheCurrentTrack) {
    playing(7);
    main().choose_menu("ファイル/終了");
    EXPECT_EQ(media.commands, std::vector<std::string>{command("close", track(7))});
    EXPECT_TRUE(plat.windows.quitting());
}

TEST_F(Music, ClosingTheWindowClosesTheCurrentTrack) {
    MainWindow& f = playing(0);
    f.request_close();
    EXPECT_EQ(media.commands, std::vector<std::string>{command("close", track(0))});
    EXPECT_TRUE(plat.windows.quitting());
}

// The main window started with the music on, its first track not yet opened.
struct MusicApp : test::App {
    MusicApp() {
        folders.write_settings("1", "1");
        start();
    }
};

TEST(MusicWhileLoading, ChangesAndTicksDuringTheOpenDoNotStartASecondTrack) {
    MusicApp app;
    app.plat.windows.queue([&] {
        test::press_key(*app.form, key::kF1);
        app.form->music().tick();
    });
    app.plat.windows.advance(500);
    const std::string first = app.form->music().track();
    EXPECT_EQ(app.plat.media.commands, (std::vector<std::string>{command("open", first), command("play", first)}));
}

TEST(MusicWhileLoading, QuittingDuringTheOpenOpensNothing) {
    MusicApp app;
    app.plat.windows.queue([&] { app.main().choose_menu("ファイル/終了"); });
    app.plat.windows.advance(500);
    EXPECT_TRUE(app.plat.windows.quitting());
    EXPECT_EQ(app.plat.media.commands, std::vector<std::string>{command("close", "")});
}

TEST(MusicWhileLoading, SwitchingOffDuringTheOpenLeavesTheMusicSilent) {
    MusicApp app;
    app.plat.windows.queue([&] { test::press_key(*app.form, key::kDelete, shift::kShift); });
    app.plat.windows.advance(500);
    EXPECT_FALSE(app.main().checked(test::entry::kMusic));
    app.plat.windows.advance(5000);
    EXPECT_EQ(app.plat.media.commands, std::vector<std::string>{command("close", "")});
    EXPECT_EQ(app.form->caption(), app.form->title());
}

}  // namespace
}  // namespace vis
