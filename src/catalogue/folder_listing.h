#pragma once
// Reading a folder: each system lists it its own way, with what the listing already knows of
// each file (length, save time), so nothing is asked of the disk again per file.
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/save_time.h"

namespace vis {

struct ListedFile {
    std::string name;
    std::uintmax_t size = 0;
    SaveTime saved = 0;
    bool operator==(const ListedFile&) const = default;
};

using ListedFiles = std::vector<ListedFile>;

// Appends the files (not folders) of `folder` whose names match the wildcard `pattern` ("*" any
// run, "?" one character, letter case ignored), in the order the folder gives them. False when
// the folder does not exist or cannot be read.
bool list_folder(const std::string& folder, const std::string& pattern, ListedFiles& files);

// What a listing of `folder` says of the one file `name`, asking the disk of that file only.
// False when it is not there or is not a file.
bool read_listed_file(const std::string& folder, const std::string& name, ListedFile& file);

}  // namespace vis
