#pragma once
// The folder watch of the Qt backend: inotify's names, read when Qt's event loop sees them wait.
// QFileSystemWatcher tells only that the folder changed, which would mean reading it all again.
#include <QSocketNotifier>
#include <memory>

#include "platform/folder_watch.h"
#include "platform/posix/inotify_watch.h"

namespace vis {

class QtFolderWatch : public FolderWatch {
public:
    QtFolderWatch();
    bool watch(const std::string& folder, Listener listener) override;
    void stop() override;

private:
    InotifyWatch inotify_;
    std::unique_ptr<QSocketNotifier> ready_;
    Listener listener_;
};

}  // namespace vis
