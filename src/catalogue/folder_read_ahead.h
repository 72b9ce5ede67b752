#pragma once
// A reading of a folder on a worker thread, so that it overlaps what the program does meanwhile
// (at start-up: making and showing the windows). Whoever binds to the folder next takes it.
#include <future>
#include <optional>
#include <string>

#include "catalogue/folder_listing.h"

namespace vis {

struct FolderReading {
    std::string folder;
    bool read = false;
    ListedFiles files;
};

class FolderReadAhead {
public:
    FolderReadAhead() = default;
    FolderReadAhead(const FolderReadAhead&) = delete;
    FolderReadAhead& operator=(const FolderReadAhead&) = delete;
    // Waits for a reading still under way: its thread must not outlive the listing.
    ~FolderReadAhead();

    // Starts reading `folder` for the files matching `pattern`; a reading under way is dropped.
    void start(const std::string& folder, const std::string& pattern);
    bool pending() const { return reading_.valid(); }
    // What the reading of `folder` found, once it has ended; none when no reading of `folder` was
    // started. A reading of another folder is dropped.
    std::optional<FolderReading> take(const std::string& folder);

private:
    std::future<FolderReading> reading_;
};

}  // namespace vis
