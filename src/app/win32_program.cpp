#include "app/win32_program.h"

// Some services bring <windows.h>: the program's own MessageBox, not the system's macro of that name.
#include <windows.h>
#undef MessageBox

#include "core/app.h"
#include "main_window/program_windows.h"
#include "services/platform.h"
#include "services/system_clock.h"
#include "win32/cache_folder.h"
#include "win32/gdi_text_metrics.h"
#include "win32/gdi_text_painter.h"
#include "win32/mci_media.h"
#include "win32/mutex_instance_guard.h"
#include "win32/win32_clipboard.h"
#include "win32/win32_file_system.h"
#include "win32/win32_folder_watch.h"
#include "win32/win32_prompts.h"
#include "win32/win32_shell.h"
#include "win32/win32_window_system.h"
#include "win32/wininet_http.h"

namespace vis {

int run_win32_program(const std::string& folder, const std::string& update_server,
                      const std::function<void(WindowOwner&)>& started) {
    win32::Win32WindowSystem windows(folder);
    win32::Win32Prompts prompts(windows, kAppTitle);
    win32::GdiTextMetrics text(&windows);
    win32::GdiTextPainter painter;
    win32::MciMedia media;
    win32::Win32Shell shell;
    win32::Win32Clipboard clipboard;
    win32::WinInetHttp http;
    SystemClock clock;
    MersenneRandom random;
    win32::MutexInstanceGuard instance(folder);
    win32::Win32FileSystem files;
    Win32FolderWatch folder_watch(&windows);
    Platform platform{
        windows, prompts, text,     painter, media,  shell,         clipboard,     http,
        clock,   random,  instance, files,   folder, update_server, &folder_watch, win32::user_cache_folder()};
    return run_program(platform, started, [&windows] { return windows.run(); });
}

}  // namespace vis
