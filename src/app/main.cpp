// Vistelle: wires the Qt backend and the SDL music to the program's windows and runs them.
#include <QApplication>
#include <QDir>

#include "core/app.h"
#include "core/window_owner.h"
#include "main_window/form1.h"
#include "main_window/program_windows.h"
#include "platform/platform.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_http.h"
#include "platform/qt/qt_instance_guard.h"
#include "platform/qt/qt_prompts.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_text_metrics.h"
#include "platform/qt/qt_text_painter.h"
#include "platform/qt/qt_window_system.h"
#include "platform/sdl/sdl_media.h"
#include "platform/system_clock.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The title of a message box that the program gives none.
    QCoreApplication::setApplicationName(QString::fromUtf8(vis::kAppTitle));
    // The executable's own folder, wherever the program folder was copied to.
    const std::string folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();

    vis::QtWindowSystem windows(folder);
    vis::QtPrompts prompts(windows);
    vis::QtTextMetrics text(windows);
    vis::QtTextPainter painter;
    vis::SdlMedia media;
    vis::QtShell shell;
    vis::QtClipboard clipboard;
    vis::QtHttp http(windows);
    vis::SystemClock clock;
    vis::MersenneRandom random;
    vis::QtInstanceGuard instance(folder);
    vis::DiskFileSystem files;
    vis::Platform platform{windows, prompts, text,   painter,  media, shell,  clipboard,
                           http,    clock,   random, instance, files, folder, VISTELLE_UPDATE_SERVER};

    vis::Windows program(platform);
    vis::add_program_windows(program);
    program.get<vis::Form1>().start();
    return windows.run();
}
