#pragma once
// The invisible file list bound to a folder and a wildcard pattern (the screenshot listing).
// It keeps what the scan read of each file (length, last-modified time) so that nothing is
// queried again per selection.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "control.h"
#include "folder_listing.h"

namespace vis {

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
    // Reads the bound folder again.
    bool refresh();

    int count() const { return static_cast<int>(files_.size()); }
    // In the order the folder gives them: every user of the listing orders the files itself.
    const std::vector<ListedFile>& files() const { return files_; }
    // Sum of the lengths of every listed file.
    std::uintmax_t total_size() const { return total_; }
    // The listed file of that name, or nullptr.
    const ListedFile* find(const std::string& name) const;

private:
    std::string pattern_;
    std::string folder_;
    std::vector<ListedFile> files_;
    std::unordered_map<std::string, std::size_t> index_;
    std::uintmax_t total_ = 0;
};

}  // namespace vis
