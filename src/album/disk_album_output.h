#pragma once
// The album written through the program's file operations.
#include <functional>

#include "album/album_output.h"
#include "services/file_system.h"

namespace vis {

class DiskAlbumOutput : public AlbumOutput {
public:
    explicit DiskAlbumOutput(FileSystem& fs, std::function<void(int)> on_progress = {})
        : fs_(fs), on_progress_(std::move(on_progress)) {}

    NewFolder make_folder(const std::string& path) override;
    bool has_file(const std::string& path) override;
    bool write_text(const std::string& path, const std::string& utf8_text) override;
    bool copy_file(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    void progress(int percent) override {
        if (on_progress_) on_progress_(percent);
    }

private:
    FileSystem& fs_;
    std::function<void(int)> on_progress_;
};

}  // namespace vis
