#include "catalogue/screenshot_watch.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "catalogue/folder_listing.h"
#include "services/paths.h"
#include "services/whole_file.h"

namespace vis {

namespace {

constexpr std::uintmax_t kNotSeen = std::numeric_limits<std::uintmax_t>::max();
// A file that keeps its size this many looks without an end marker is listed all the same, as a
// reading of the folder would list it: the game does not write that slowly.
constexpr int kLooksWithoutMarker = 10;
// Each look asks the disk: a burst of thousands is looked at this many a tick, the rest on the
// ticks after, so that no tick holds the window for long.
constexpr int kMostLooksPerTick = 500;

bool ends_as_jpeg(const std::string& path) {
    const auto tail = read_file_tail(path, 2);
    return tail && *tail == "\xFF\xD9";
}

}  // namespace

ScreenshotWatch::ScreenshotWatch(ScreenshotLists& lists, Form& owner, FolderWatch* source)
    : lists_(lists), timer_(owner, "tmr_watch", kTickMs, false), source_(source) {
    timer_.on_timer = [this] {
        const Update update = tick();
        if (update.changed && on_update) on_update(update);
    };
}

bool ScreenshotWatch::watch() {
    return source_->watch(folder_, [this](const FolderChanges& changes) { changed(changes); });
}

void ScreenshotWatch::follow(const std::string& folder) {
    if (source_ == nullptr || (folder == folder_ && watching_)) return;
    folder_ = folder;
    // A folder that cannot be watched now is tried again at the next reading, or, when it went
    // away while watched, at the next search.
    watching_ = watch();
    if (watching_) searching_ = false;
    schedule();
}

void ScreenshotWatch::changed(const FolderChanges& changes) {
    if (changes.lost_track) {
        lost_ = true;
        watching_ = false;
    }
    const std::string& pattern = lists_.listing().pattern();
    for (const std::string& name : changes.names)
        if (wildcard_match(pattern, name)) waiting_.insert_or_assign(name, Waiting{kNotSeen, 0});
    schedule();
}

void ScreenshotWatch::make_good(Update& update) {
    if (!watching_ && (lost_ || searching_)) {
        // Watched before it is read, so that nothing saved meanwhile goes unseen.
        watching_ = watch();
        lost_ |= watching_ && searching_;
        searching_ = !watching_;
    }
    if (!lost_) return;
    lost_ = false;
    const ScreenshotLists::Followed followed = lists_.reread();
    update.selected_replaced = followed.replaced;
    update.selected_gone = followed.gone;
}

void ScreenshotWatch::schedule() {
    const bool due = lost_ || !waiting_.empty();
    if (!due && !searching_) {
        timer_.set_timer_enabled(false);
        return;
    }
    // A running countdown is left alone, so a stream of changes still gets its tick.
    const int interval = due ? kTickMs : kSearchMs;
    if (timer_.interval() != interval) timer_.set_interval(interval);
    if (!timer_.timer_enabled()) timer_.set_timer_enabled(true);
}

bool ScreenshotWatch::named_so(const std::string& name, std::string& was, Update& update) {
    const std::vector<std::string> twins = lists_.listing().case_twins(name);
    if (twins.empty()) return true;
    // Where the system ignores letter case, a look under any of these names finds the one file:
    // only the folder's own listing tells its name.
    ListedFiles there;
    list_folder(lists_.listing().folder(), name, there);
    const auto named = [&](const std::string& n) {
        return std::any_of(there.begin(), there.end(), [&](const ListedFile& f) { return f.name == n; });
    };
    if (!named(name)) {
        update.selected_gone |= lists_.drop_file(name);
        return false;
    }
    for (const std::string& twin : twins) {
        if (named(twin)) continue;
        // The file's old name: its line is the file's, renamed.
        if (was.empty() && lists_.listing().find(name) == nullptr)
            was = twin;
        else
            update.selected_gone |= lists_.drop_file(twin);
    }
    return true;
}

bool ScreenshotWatch::look(const std::string& name, Waiting& w, Update& update) {
    const std::string& folder = lists_.listing().folder();
    ListedFile file;
    if (!read_listed_file(folder, name, file)) {
        update.selected_gone |= lists_.drop_file(name);
        return false;
    }
    if (file.size != w.size) {
        w = {file.size, 0};
        return true;
    }
    if (!ends_as_jpeg(join_path(folder, name)) && ++w.unchanged_looks < kLooksWithoutMarker) return true;
    std::string was;
    if (named_so(name, was, update)) update.selected_replaced |= lists_.put_file(file, was);
    return false;
}

ScreenshotWatch::Update ScreenshotWatch::tick() {
    Update update;
    if (lists_.held()) return update;
    const std::uintmax_t total = lists_.listing().total_size();
    const auto revision = lists_.revision();
    make_good(update);
    int looks = 0;
    for (auto it = waiting_.begin(); it != waiting_.end() && looks < kMostLooksPerTick; ++looks) {
        if (look(it->first, it->second, update))
            ++it;
        else
            it = waiting_.erase(it);
    }
    update.changed = revision != lists_.revision() || total != lists_.listing().total_size();
    schedule();
    return update;
}

}  // namespace vis
