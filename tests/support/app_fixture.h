#pragma once
// The program's windows on the headless backend over real temporary folders.
#include <memory>

#include "core/app.h"
#include "core/window_owner.h"
#include "main_window/main_window.h"
#include "main_window/program_windows.h"
#include "support/headless.h"
#include "support/main_surface.h"
#include "support/temp_folder.h"

namespace vis::test {

// The two hint lines of the main window's panel, as the user reads them.
inline const std::string kHintLines =
    "リストをクリックすると、スクリーンショットがプレビューされます。\r\n"
    "イメージをダブルクリックすると、フルスクリーンで表示されます。ダブルクリックで閉じられます。";

// Every window of the program over a platform; the main window is made on first use, not loaded.
struct ProgramWindows {
    explicit ProgramWindows(Platform& platform) : windows(platform) { add_program_windows(windows); }
    MainWindow& main() { return windows.get<MainWindow>(); }
    WindowOwner windows;
};

// Another window of the program that a main window belongs to, made if need be.
template <class W>
W& win(MainWindow& main) {
    return main.windows().get<W>();
}
template <class W>
W* loaded(MainWindow& main) {
    return main.windows().loaded<W>();
}

struct App {
    GameFolders folders;
    HeadlessPlatform plat{folders.program};
    std::unique_ptr<ProgramWindows> program;
    MainWindow* form = nullptr;

    App() {
        // An up-to-date answer keeps the splash window's version check silent.
        plat.http.body = kVersion;
    }
    // Makes the main window without loading it.
    MainWindow& make() {
        program = std::make_unique<ProgramWindows>(plat.platform());
        form = &program->main();
        return *form;
    }
    // Loads the main window and runs the start-up step (the first timer tick).
    MainWindow& start() {
        make().start();
        plat.windows.advance(1);
        return *form;
    }
    // The main window as the player meets it.
    MainSurface main() { return {*form, plat.prompts}; }
};

}  // namespace vis::test
