#pragma once
// The program on the headless backend with its editor open on one 1920 x 1080 screenshot.
#include <string>

#include "bench_folders.h"
#include "core/app.h"
#include "editor_window/editor_window.h"
#include "main_window/main_window.h"
#include "services/paths.h"
#include "support/app_fixture.h"
#include "support/headless.h"

namespace vis::bench {

struct EditorOnFullHd {
    EditorOnFullHd() {
        folders.write_settings("1", "0");
        const std::string shot = join_path(folders.shots, "PelmarOnline_2006115_01715.jpg");
        test::write_file(shot, full_hd_jpeg());
        test::set_modified(shot, 1100000000);
        plat.http.body = kVersion;
        main.start();
        plat.windows.advance(1);
        test::click_menu(main.mEdit);
        editor = test::loaded<EditorWindow>(main);
        if (editor != nullptr && editor->canvas().width_px() != 1920) editor = nullptr;
    }

    test::GameFolders folders;
    test::HeadlessPlatform plat{folders.program};
    test::ProgramWindows program{plat.platform()};
    MainWindow& main = program.main();
    // Nothing when the editor did not open on the screenshot.
    EditorWindow* editor = nullptr;
};

}  // namespace vis::bench
