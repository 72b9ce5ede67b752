#include "main_window/program_windows.h"

#include "album_window/album_window.h"
#include "bulk/bulk_window.h"
#include "editor_window/editor_window.h"
#include "editor_window/effects_dialog.h"
#include "editor_window/text_dialog.h"
#include "main_window/main_window.h"
#include "services/start_marks.h"
#include "settings_dialog/settings_dialog.h"
#include "splash/splash_window.h"
#include "thumbnail_window/thumbnail_window.h"
#include "viewer/viewer_window.h"

namespace vis {

namespace {

template <class W>
void add(WindowOwner& windows) {
    windows.add<W>([](WindowOwner& w) { return std::make_unique<W>(w); });
}

}  // namespace

void add_program_windows(WindowOwner& windows) {
    add<MainWindow>(windows);
    add<SplashWindow>(windows);
    add<ViewerWindow>(windows);
    add<SettingsDialog>(windows);
    add<AlbumWindow>(windows);
    add<ThumbnailWindow>(windows);
    add<BulkWindow>(windows);
    add<EditorWindow>(windows);
    add<TextDialog>(windows);
    add<EffectsDialog>(windows);
    windows.set_main([&windows]() -> MainWindowParts& { return windows.get<MainWindow>(); });
}

int run_program(Platform& platform, const std::function<void(WindowOwner&)>& started,
                const std::function<int()>& loop) {
    start_mark("services made");
    WindowOwner program(platform);
    add_program_windows(program);
    MainWindow& main = program.get<MainWindow>();
    start_mark("main window made");
    main.start();
    start_mark("main window loaded");
    if (started) started(program);
    return loop();
}

}  // namespace vis
