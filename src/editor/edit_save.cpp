#include "editor/edit_save.h"

#include <string_view>

#include "services/file_ops.h"

namespace vis {

int save_edit(FileSystem& fs, const std::string& path, const Picture& picture, const JpegEncoder& encode) {
    const std::vector<unsigned char> jpeg = encode(picture, kEditQuality);
    if (jpeg.empty()) return kEncodeFailed;
    const std::string_view bytes(reinterpret_cast<const char*>(jpeg.data()), jpeg.size());
    return write_whole_file(fs, path, bytes) ? kSaved : kWriteFailed;
}

}  // namespace vis
