// Vistelle: wires the Qt backend and the SDL music to the program's windows and runs them.
#include <QApplication>
#include <QDir>

#include "core/form1.h"
#include "platform/platform.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_http.h"
#include "platform/qt/qt_instance_guard.h"
#include "platform/qt/qt_prompts.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_text_metrics.h"
#include "platform/qt/qt_window_system.h"
#include "platform/sdl/sdl_media.h"
#include "platform/system_clock.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The executable's own folder, wherever the program folder was copied to.
    const std::string folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();

    vis::QtWindowSystem windows(folder);
    vis::QtPrompts prompts(windows);
    vis::QtTextMetrics text(windows);
    vis::SdlMedia media;
    vis::QtShell shell;
    vis::QtClipboard clipboard;
    vis::QtHttp http(windows);
    vis::SystemClock clock;
    vis::MersenneRandom random;
    vis::QtInstanceGuard instance(folder);
    vis::Platform platform{windows, prompts, text,   media,    shell,  clipboard,
                           http,    clock,   random, instance, folder, VISTELLE_UPDATE_SERVER};

    vis::Form1 form1(platform);
    form1.start();
    return windows.run();
}
