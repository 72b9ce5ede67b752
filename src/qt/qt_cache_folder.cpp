#include "qt/qt_cache_folder.h"

#include <QStandardPaths>

#include "services/paths.h"

namespace vis {

std::string qt_user_cache_folder() {
    const QString caches = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (caches.isEmpty()) return {};
    return join_path(caches.toStdString(), "vistelle");
}

}  // namespace vis
