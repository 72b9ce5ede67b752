#pragma once
// The invisible file list bound to a folder and a wildcard pattern (the screenshot listing).
// It keeps what the scan read of each file (length, save time) so that nothing is queried again
// per selection. What one reading found is kept once and shared, read-only, with the lists that
// show it: reading the folder again makes a new set of records and leaves theirs as they are.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/folder_listing.h"
#include "catalogue/folder_read_ahead.h"
#include "catalogue/name_index.h"
#include "ui/control.h"

namespace vis {

// The records to change: `records` themselves while nobody else shares them, otherwise a copy put
// in their place, so that whoever holds the old ones keeps what they read.
ListedFiles& own_records(std::shared_ptr<const ListedFiles>& records);

// "*" any run, "?" one character; letter case ignored (ASCII).
bool wildcard_match(const std::string& pattern, const std::string& name);

class FileList : public Control {
public:
    FileList(Form& owner, std::string name, std::string pattern);

    const std::string& pattern() const { return pattern_; }
    const std::string& folder() const { return folder_; }
    // Binds to a folder and reads it. False, with nothing listed, when the folder does not
    // exist or cannot be read.
    bool bind(const std::string& folder);
    // Starts reading `folder` on a worker thread; the next bind to it takes that reading.
    void read_ahead(const std::string& folder) { ahead_.start(folder, pattern_); }
    bool reading_ahead() const { return ahead_.pending(); }
    // Reads the bound folder again. Records equal to the last reading's are that reading's own.
    bool refresh();

    int count() const { return static_cast<int>(files_->size()); }
    // In the order the folder gives them: every user of the listing orders the files itself.
    const ListedFiles& files() const { return *files_; }
    // The same records, for a list that shows them after the listing has been read again.
    std::shared_ptr<const ListedFiles> shared_files() const { return files_; }
    // One file changed, learnt without reading the folder again: `file` is there now (new, or
    // replacing the record of its name), or the file `name` is gone. True when the listing changed.
    bool put(const ListedFile& file);
    bool drop(const std::string& name);
    // The record of the file named exactly `name`; null when none is listed.
    const ListedFile* find(const std::string& name) const;
    // The listed names equal to `name` with letter case ignored, `name` itself left out.
    std::vector<std::string> case_twins(const std::string& name) const;

    // Sum of the lengths of every listed file.
    std::uintmax_t total_size() const { return total_; }

private:
    bool read_folder(std::optional<FolderReading> read_ahead = std::nullopt);
    void index_all();
    std::int64_t index_of(const std::string& name) const;

    std::string pattern_;
    std::string folder_;
    std::shared_ptr<const ListedFiles> files_;
    std::uintmax_t total_ = 0;
    NameIndex index_;
    FolderReadAhead ahead_;
};

}  // namespace vis
