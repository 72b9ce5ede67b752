#include "qt/qt_folder_watch.h"

#include <utility>

namespace vis {

QtFolderWatch::QtFolderWatch(QtWindowSystem& windows) : windows_(windows) {
    if (inotify_.fd() < 0) return;
    ready_ = std::make_unique<QSocketNotifier>(inotify_.fd(), QSocketNotifier::Read);
    QObject::connect(ready_.get(), &QSocketNotifier::activated, [this] {
        FolderChanges changes = inotify_.take_changes();
        if (listener_ && (changes.lost_track || !changes.names.empty())) windows_.dispatch([&] { listener_(changes); });
    });
}

bool QtFolderWatch::watch(const std::string& folder, Listener listener) {
    listener_ = std::move(listener);
    if (inotify_.watch(folder)) return true;
    listener_ = nullptr;
    return false;
}

void QtFolderWatch::stop() {
    inotify_.stop();
    listener_ = nullptr;
}

}  // namespace vis
