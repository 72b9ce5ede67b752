#pragma once
// The folder watch of Linux without an event loop: inotify names every file that changed, so a
// change costs a look at that file only. A backend waits on fd() and then calls take_changes().
#include <string>

#include "services/folder_watch.h"

namespace vis {

class InotifyWatch {
public:
    InotifyWatch();
    ~InotifyWatch();
    InotifyWatch(const InotifyWatch&) = delete;
    InotifyWatch& operator=(const InotifyWatch&) = delete;

    // Watches `folder` in place of the folder watched before. False when it cannot be watched.
    bool watch(const std::string& folder);
    void stop();
    // Readable when changes wait; -1 when inotify is not available.
    int fd() const { return fd_; }
    // The changes that wait, without blocking.
    FolderChanges take_changes();

private:
    int fd_ = -1;
    int watch_ = -1;
};

}  // namespace vis
