#pragma once
// Being told, while the program runs, which files of a folder changed: each system watches its
// own way and names the files, so that nobody has to read the whole folder again.
#include <functional>
#include <string>
#include <vector>

namespace vis {

struct FolderChanges {
    // Names (without the folder) created, written, removed or renamed from or to, in any order,
    // perhaps more than once.
    std::vector<std::string> names;
    // The watch lost track: the system's queue overflowed, or the folder itself was removed, moved
    // or unmounted, or the system refused to go on. Any file of the folder may have changed, and the
    // watch may have ended: the folder must be read again and watched again.
    bool lost_track = false;
};

class FolderWatch {
public:
    using Listener = std::function<void(const FolderChanges&)>;
    virtual ~FolderWatch() = default;
    // Watches `folder` in place of any folder watched before (the same folder too: a watch that
    // lost track starts afresh); changes reach `listener` on the user-interface thread, between
    // events. False, watching nothing, when the folder cannot be watched.
    virtual bool watch(const std::string& folder, Listener listener) = 0;
    virtual void stop() = 0;
};

}  // namespace vis
