#pragma once
// Everything the program's logic gets from its surroundings, handed to every window.
#include <string>

#include "clipboard.h"
#include "clock.h"
#include "file_system.h"
#include "folder_watch.h"
#include "http.h"
#include "instance_guard.h"
#include "media.h"
#include "prompts.h"
#include "shell.h"
#include "text_metrics.h"
#include "text_painter.h"
#include "window_system.h"

namespace vis {

struct Platform {
    WindowSystem& windows;
    Prompts& prompts;
    TextMetrics& text;
    TextPainter& painter;
    Media& media;
    Shell& shell;
    Clipboard& clipboard;
    Http& http;
    Clock& clock;
    Random& random;
    InstanceGuard& instance;
    FileSystem& files;
    // The folder of the executable, without a trailing separator.
    std::string program_folder;
    // Base address of the update server, e.g. "http://example.org".
    std::string update_server;
    // Tells which screenshots changed while the program runs; without one the lists change only
    // when they are read again.
    FolderWatch* folder_watch = nullptr;
};

}  // namespace vis
