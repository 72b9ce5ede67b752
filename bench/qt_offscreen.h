#pragma once
// The one Qt application of a benchmark run, on the offscreen platform.
#include <QApplication>

namespace vis::bench {

inline QApplication& offscreen_application() {
    static int argc = 1;
    static char name[] = "vistelle_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

}  // namespace vis::bench
