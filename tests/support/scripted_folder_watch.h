#pragma once
// The folder watch of the headless platform: the test says which names changed, and when.
#include <string>
#include <utility>
#include <vector>

#include "platform/folder_watch.h"

namespace vis::test {

class ScriptedFolderWatch : public FolderWatch {
public:
    bool watch(const std::string& folder, Listener listener) override {
        watched = folder;
        listener_ = std::move(listener);
        return true;
    }
    void stop() override {
        watched.clear();
        listener_ = nullptr;
    }
    // Tells the program that these names of the watched folder changed.
    void report(std::vector<std::string> names, bool overflowed = false) {
        if (listener_) listener_(FolderChanges{std::move(names), overflowed});
    }

    std::string watched;

private:
    Listener listener_;
};

}  // namespace vis::test
