// Vistelle: wires the Qt backend and the SDL music to the program's windows and runs them.
#include <QApplication>
#include <QDir>

#include "app/qt_program.h"
#include "core/app.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The title of a message box that the program gives none.
    QCoreApplication::setApplicationName(QString::fromUtf8(vis::kAppTitle));
    // The executable's own folder, wherever the program folder was copied to.
    const std::string folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    return vis::run_qt_program(folder, VISTELLE_UPDATE_SERVER);
}
