#include "app/win32_program.h"

#include "app/interim_services.h"
#include "core/app.h"
#include "core/window_owner.h"
#include "main_window/form1.h"
#include "main_window/program_windows.h"
#include "platform/platform.h"
#include "platform/system_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_prompts.h"
#include "platform/win32/win32_window_system.h"

namespace vis {

int run_win32_program(const std::string& folder, const std::string& update_server) {
    win32::Win32WindowSystem windows(folder);
    win32::Win32Prompts prompts(windows, kAppTitle);
    interim::GdiMeasure text;
    interim::NoTextPainter painter(text);
    interim::NoMedia media;
    interim::NoShell shell;
    interim::NoClipboard clipboard;
    interim::NoHttp http;
    SystemClock clock;
    MersenneRandom random;
    interim::NoInstanceGuard instance;
    win32::Win32FileSystem files;
    Platform platform{windows, prompts, text,   painter,  media, shell,  clipboard,
                      http,    clock,   random, instance, files, folder, update_server};

    Windows program(platform);
    add_program_windows(program);
    program.get<Form1>().start();
    return windows.run();
}

}  // namespace vis
