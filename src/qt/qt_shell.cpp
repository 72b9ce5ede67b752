#include "qt/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

#include "services/paths.h"

namespace vis {

bool QtShell::open(const std::string& target, const std::string&) {
    if (target.empty()) return false;
    const QString text = QString::fromStdString(target);
    // An address names its scheme; anything else is a file path ("C:\..." included, found under Wine).
    const bool address = text.contains(QStringLiteral("://")) || text.startsWith(QStringLiteral("mailto:"));
    return QDesktopServices::openUrl(address ? QUrl(text)
                                             : QUrl::fromLocalFile(QString::fromStdString(host_path(target))));
}

}  // namespace vis
