#include "app/qt_program.h"

#include "main_window/program_windows.h"
#include "qt/qt_cache_folder.h"
#include "qt/qt_clipboard.h"
#include "qt/qt_folder_watch.h"
#include "qt/qt_http.h"
#include "qt/qt_instance_guard.h"
#include "qt/qt_prompts.h"
#include "qt/qt_shell.h"
#include "qt/qt_text_metrics.h"
#include "qt/qt_text_painter.h"
#include "qt/qt_window_system.h"
#include "sdl/sdl_media.h"
#include "services/platform.h"
#include "services/system_clock.h"

namespace vis {

int run_qt_program(const std::string& folder, const std::string& update_server,
                   const std::function<void(WindowOwner&)>& started) {
    QtWindowSystem windows(folder);
    QtPrompts prompts(windows);
    QtTextMetrics text(windows);
    QtTextPainter painter;
    SdlMedia media;
    QtShell shell;
    QtClipboard clipboard;
    QtHttp http(windows);
    SystemClock clock;
    MersenneRandom random;
    QtInstanceGuard instance(folder);
    DiskFileSystem files;
    QtFolderWatch folder_watch(windows);
    Platform platform{
        windows, prompts, text,     painter, media,  shell,         clipboard,     http,
        clock,   random,  instance, files,   folder, update_server, &folder_watch, qt_user_cache_folder()};
    return run_program(platform, started, [&windows] { return windows.run(); });
}

}  // namespace vis
