// The Qt backend tests need a QApplication before any widget, clipboard or font exists. They
// run without a display unless told otherwise (test discovery sets no environment).
#include <gtest/gtest.h>

#include <QApplication>

#include "core/app.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // As the program does: the title of a message box given none.
    QCoreApplication::setApplicationName(QString::fromUtf8(vis::kAppTitle));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
