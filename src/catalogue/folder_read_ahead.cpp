#include "catalogue/folder_read_ahead.h"

#include <system_error>

namespace vis {

FolderReadAhead::~FolderReadAhead() {
    if (reading_.valid()) reading_.wait();
}

void FolderReadAhead::start(const std::string& folder, const std::string& pattern) {
    if (reading_.valid()) reading_.wait();
    try {
        reading_ = std::async(std::launch::async, [folder, pattern] {
            FolderReading reading{folder, false, {}};
            reading.read = list_folder(folder, pattern, reading.files);
            return reading;
        });
    } catch (const std::system_error&) {
        // No thread to spare: the folder is read when it is bound, as without a reading ahead.
        reading_ = {};
    }
}

std::optional<FolderReading> FolderReadAhead::take(const std::string& folder) {
    if (!reading_.valid()) return std::nullopt;
    FolderReading reading = reading_.get();
    if (reading.folder != folder) return std::nullopt;
    return reading;
}

}  // namespace vis
