#pragma once
// The folder watch of the headless platform: the test says which names changed, and when.
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "services/folder_watch.h"
#include "services/paths.h"

namespace vis::test {

class ScriptedFolderWatch : public FolderWatch {
public:
    // As a system's watch, a folder that is not there cannot be watched.
    bool watch(const std::string& folder, Listener listener) override {
        ++watches;
        listener_ = nullptr;
        watched.clear();
        std::error_code error;
        if (!std::filesystem::is_directory(to_fs_path(folder), error)) return false;
        watched = folder;
        listener_ = std::move(listener);
        return true;
    }
    void stop() override {
        watched.clear();
        listener_ = nullptr;
    }
    // Tells the program that these names of the watched folder changed.
    void report(std::vector<std::string> names, bool lost_track = false) {
        if (listener_) listener_(FolderChanges{std::move(names), lost_track});
    }
    // The watch lost track (its folder removed, moved or unmounted, or the queue overflowed); as a
    // system's watch, it then tells nothing more until it is made again.
    void lose_track() {
        Listener listener = std::exchange(listener_, nullptr);
        if (listener) listener(FolderChanges{{}, true});
    }

    std::string watched;
    int watches = 0;

private:
    Listener listener_;
};

}  // namespace vis::test
