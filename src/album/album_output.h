#pragma once
// Where a generated album goes. The generator only composes paths and texts; everything it
// makes on disk passes through here, so a failure comes back to it as a plain false.
#include <string>

namespace vis {

class AlbumOutput {
public:
    virtual ~AlbumOutput() = default;
    enum class NewFolder { made, taken, failed };
    // Makes a new folder whose parent exists. `taken` when something is already at the path: an
    // album never writes into a folder it did not make.
    virtual NewFolder make_folder(const std::string& path) = 0;
    // A file is there to read. A screenshot may have been moved or deleted since it was listed.
    virtual bool has_file(const std::string& path) = 0;
    // Writes a whole text file: UTF-8 in, the system's ANSI code page on disk. The text
    // carries its own CR LF line ends.
    virtual bool write_text(const std::string& path, const std::string& utf8_text) = 0;
    // Copies a file, replacing the target.
    virtual bool copy_file(const std::string& from, const std::string& to) = 0;
    // Removes a file or an empty folder; true when it is gone afterwards. Used only to take
    // back what a failed build made.
    virtual bool remove(const std::string& path) = 0;
    // The progress bar, 0 to 100.
    virtual void progress(int percent) = 0;
};

}  // namespace vis
