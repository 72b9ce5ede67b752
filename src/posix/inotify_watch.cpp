#include "posix/inotify_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "services/paths.h"

namespace vis {

namespace {

// A file finished, written to, gone or renamed: what may change a line of the lists; and the
// folder itself removed or moved.
constexpr std::uint32_t kEvents = IN_CLOSE_WRITE | IN_MODIFY | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                  IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
// The folder is no longer where it was watched (removed, moved, its disk unmounted), or the
// watch ended for another reason: the system always tells the last two.
constexpr std::uint32_t kFolderGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED;

}  // namespace

InotifyWatch::InotifyWatch() : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

InotifyWatch::~InotifyWatch() {
    if (fd_ >= 0) close(fd_);
}

bool InotifyWatch::watch(const std::string& folder) {
    stop();
    if (fd_ < 0 || folder.empty()) return false;
    watch_ = inotify_add_watch(fd_, to_fs_path(folder).c_str(), kEvents | IN_ONLYDIR);
    return watch_ >= 0;
}

void InotifyWatch::stop() {
    if (watch_ >= 0) inotify_rm_watch(fd_, watch_);
    watch_ = -1;
}

FolderChanges InotifyWatch::take_changes() {
    FolderChanges changes;
    if (fd_ < 0) return changes;
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t got = read(fd_, buffer, sizeof buffer);
        if (got <= 0) break;
        for (ssize_t at = 0; at < got;) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            if (event.mask & IN_Q_OVERFLOW) changes.lost_track = true;
            // Events of a watch removed before (another folder) are no longer ours.
            const bool ours = watch_ >= 0 && event.wd == watch_;
            if (ours && event.len > 0 && !(event.mask & IN_ISDIR))
                changes.names.emplace_back(buffer + at + sizeof(inotify_event));
            if (ours && (event.mask & kFolderGone)) {
                // A moved folder would go on being watched where it went: nothing of it is ours now.
                changes.lost_track = true;
                if (!(event.mask & IN_IGNORED)) inotify_rm_watch(fd_, watch_);
                watch_ = -1;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
        }
    }
    return changes;
}

}  // namespace vis
