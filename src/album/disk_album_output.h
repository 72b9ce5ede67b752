#pragma once
// The album written to real files.
#include <functional>

#include "album/album_output.h"

namespace vis {

class DiskAlbumOutput : public AlbumOutput {
public:
    explicit DiskAlbumOutput(std::function<void(int)> on_progress = {}) : on_progress_(std::move(on_progress)) {}

    bool make_folder(const std::string& path) override;
    // Written to a temporary file beside the target, flushed and renamed over it.
    bool write_text(const std::string& path, const std::string& utf8_text) override;
    bool copy_file(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    void progress(int percent) override {
        if (on_progress_) on_progress_(percent);
    }

private:
    std::function<void(int)> on_progress_;
};

}  // namespace vis
