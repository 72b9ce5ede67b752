#pragma once
// The folder watch of the Qt backend: inotify's names, read when Qt's event loop sees them wait.
// QFileSystemWatcher tells only that the folder changed, which would mean reading it all again.
#include <QSocketNotifier>
#include <memory>

#include "posix/inotify_watch.h"
#include "qt/qt_window_system.h"
#include "services/folder_watch.h"

namespace vis {

class QtFolderWatch : public FolderWatch {
public:
    // Changes reach the listener as an event of `windows`, which then renders what they changed.
    explicit QtFolderWatch(QtWindowSystem& windows);
    bool watch(const std::string& folder, Listener listener) override;
    void stop() override;

private:
    QtWindowSystem& windows_;
    InotifyWatch inotify_;
    std::unique_ptr<QSocketNotifier> ready_;
    Listener listener_;
};

}  // namespace vis
