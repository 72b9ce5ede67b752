#pragma once
// Keeps the main lists in step with the screenshot folder while the program runs. The folder
// watch names the files that changed; each is looked at again on the next tick of a 200 ms timer,
// so a burst of changes becomes one update. A file joins the lists once it is complete: its size
// unchanged since the look before and its JPEG end marker written. Nothing else of the folder is
// read, unless the watch lost track (its queue overflowed, the folder itself went away): then the
// folder is read again once, and watched again as soon as it is there, looked for every few
// seconds. While the lists are busy or held, the changes wait. The watch runs its own timer, on the
// window whose thread it runs in, and tells `on_update` what a tick changed.
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

#include "catalogue/screenshot_lists.h"
#include "services/folder_watch.h"
#include "ui/control.h"

namespace vis {

class ScreenshotWatch {
public:
    static constexpr int kTickMs = 200;
    // How often a folder that went away is looked for.
    static constexpr int kSearchMs = 3000;

    // Without a folder watch the lists change only when they are read again.
    ScreenshotWatch(ScreenshotLists& lists, Form& owner, FolderWatch* source);
    ScreenshotWatch(const ScreenshotWatch&) = delete;
    ScreenshotWatch& operator=(const ScreenshotWatch&) = delete;

    // Watches `folder` unless it is watched already (a watch that lost track is made again).
    // Called before the lists read it, so that nothing written meanwhile goes unseen.
    void follow(const std::string& folder);
    // Names that changed in the folder; they are looked at on the next tick.
    void changed(const FolderChanges& changes);

    struct Update {
        bool changed = false;
        // The list in use had the screenshot selected that was replaced, or that went.
        bool selected_replaced = false;
        bool selected_gone = false;
    };
    // Runs after a tick that changed the lists.
    std::function<void(const Update&)> on_update;
    std::size_t waiting() const { return waiting_.size(); }
    // Whether a tick is due: names wait, a reading is due or the folder is being looked for.
    bool ticking() const { return timer_.timer_enabled(); }

private:
    // Applies what is complete, unless the lists are busy.
    Update tick();
    struct Waiting {
        std::uintmax_t size;
        int unchanged_looks;
    };
    bool watch();
    // After a lost track: the folder watched again when it is there, then read again.
    void make_good(Update& update);
    // Whether the file waits on: still being written.
    bool look(const std::string& name, Waiting& w, Update& update);
    // Whether `name` is the file's own name, where the system ignores letter case: a listed line of
    // the same name in other letters that is not its own goes, or, when it is the file's old name,
    // is left in `was` for the file to take over.
    bool named_so(const std::string& name, std::string& was, Update& update);
    // The timer runs while names wait, a reading is due or the folder is being looked for.
    void schedule();

    ScreenshotLists& lists_;
    Timer timer_;
    FolderWatch* source_;
    std::string folder_;
    bool watching_ = false;
    bool lost_ = false;
    bool searching_ = false;
    std::unordered_map<std::string, Waiting> waiting_;
};

}  // namespace vis
