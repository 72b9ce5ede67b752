#include "catalogue/screenshot_watch.h"

#include <limits>

#include "platform/folder_listing.h"
#include "platform/paths.h"
#include "platform/whole_file.h"

namespace vis {

namespace {

constexpr std::uintmax_t kNotSeen = std::numeric_limits<std::uintmax_t>::max();
// A file that keeps its size this many looks without an end marker is listed all the same, as a
// reading of the folder would list it: the game does not write that slowly.
constexpr int kLooksWithoutMarker = 10;

bool ends_as_jpeg(const std::string& path) {
    const auto tail = read_file_tail(path, 2);
    return tail && *tail == "\xFF\xD9";
}

}  // namespace

ScreenshotWatch::ScreenshotWatch(ScreenshotLists& lists, Timer& timer, FolderWatch* source)
    : lists_(lists), timer_(timer), source_(source) {
    timer_.set_interval(kTickMs);
    timer_.set_timer_enabled(false);
}

void ScreenshotWatch::follow(const std::string& folder) {
    if (source_ == nullptr || folder == watched_) return;
    watched_ = folder;
    // A folder that cannot be watched now is tried again at the next reading.
    if (!source_->watch(folder, [this](const FolderChanges& changes) { changed(changes); })) watched_.clear();
}

void ScreenshotWatch::changed(const FolderChanges& changes) {
    FileList& listing = lists_.listing();
    if (changes.overflowed) {
        // The system lost count: every name listed or there now is looked at again.
        for (const ListedFile& f : listing.files()) waiting_.try_emplace(f.name, Waiting{kNotSeen, 0});
        ListedFiles there;
        list_folder(listing.folder(), listing.pattern(), there);
        for (const ListedFile& f : there) waiting_.try_emplace(f.name, Waiting{kNotSeen, 0});
    }
    for (const std::string& name : changes.names)
        if (wildcard_match(listing.pattern(), name)) waiting_.insert_or_assign(name, Waiting{kNotSeen, 0});
    // A running countdown is left alone, so a stream of changes still gets its tick.
    if (!waiting_.empty() && !timer_.timer_enabled()) timer_.set_timer_enabled(true);
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
    update.selected_replaced |= lists_.put_file(file);
    return false;
}

ScreenshotWatch::Update ScreenshotWatch::tick() {
    Update update;
    if (lists_.held()) return update;
    const std::uintmax_t total = lists_.listing().total_size();
    const auto revision = lists_.ascending().revision();
    for (auto it = waiting_.begin(); it != waiting_.end();) {
        if (look(it->first, it->second, update))
            ++it;
        else
            it = waiting_.erase(it);
    }
    update.changed = revision != lists_.ascending().revision() || total != lists_.listing().total_size();
    if (waiting_.empty()) timer_.set_timer_enabled(false);
    return update;
}

}  // namespace vis
