#pragma once
// Keeps the main lists in step with the screenshot folder while the program runs. The folder
// watch names the files that changed; each is looked at again on the next tick of a 200 ms timer,
// so a burst of changes becomes one update. A file joins the lists once it is complete: its size
// unchanged since the look before and its JPEG end marker written. Nothing else of the folder is
// read. While the lists are busy or held, the changes wait.
#include <cstdint>
#include <string>
#include <unordered_map>

#include "catalogue/screenshot_lists.h"
#include "platform/control.h"
#include "platform/folder_watch.h"

namespace vis {

class ScreenshotWatch {
public:
    static constexpr int kTickMs = 200;

    // Without a folder watch the lists change only when they are read again.
    ScreenshotWatch(ScreenshotLists& lists, Timer& timer, FolderWatch* source);
    ScreenshotWatch(const ScreenshotWatch&) = delete;
    ScreenshotWatch& operator=(const ScreenshotWatch&) = delete;

    // Watches `folder` unless it is watched already. Called before the lists read it, so that
    // nothing written meanwhile goes unseen.
    void follow(const std::string& folder);
    // Names that changed in the folder; they are looked at on the next tick.
    void changed(const FolderChanges& changes);

    struct Update {
        bool changed = false;
        // The list in use had the screenshot selected that was replaced, or that went.
        bool selected_replaced = false;
        bool selected_gone = false;
    };
    // The timer's tick: applies what is complete, unless the lists are busy.
    Update tick();
    std::size_t waiting() const { return waiting_.size(); }

private:
    struct Waiting {
        std::uintmax_t size;
        int unchanged_looks;
    };
    // Whether the file waits on: still being written.
    bool look(const std::string& name, Waiting& w, Update& update);

    ScreenshotLists& lists_;
    Timer& timer_;
    FolderWatch* source_;
    std::string watched_;
    std::unordered_map<std::string, Waiting> waiting_;
};

}  // namespace vis
