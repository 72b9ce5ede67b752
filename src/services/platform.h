#pragma once
// Everything the program's logic gets from its surroundings, handed to every window.
#include <string>

#include "services/clipboard.h"
#include "services/clock.h"
#include "services/file_system.h"
#include "services/folder_watch.h"
#include "services/http.h"
#include "services/instance_guard.h"
#include "services/media.h"
#include "services/shell.h"
#include "ui/prompts.h"
#include "ui/text_metrics.h"
#include "ui/text_painter.h"
#include "ui/window_system.h"

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
    // The user's cache folder for the program (where thumbnails are kept between runs), without
    // a trailing separator; empty when the system names none, and nothing is kept.
    std::string cache_folder;
};

}  // namespace vis
