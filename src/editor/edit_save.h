#pragma once
// An edited screenshot written as a JPEG file, whole or not at all.
#include <functional>
#include <string>
#include <vector>

#include "services/file_system.h"
#include "ui/picture.h"

namespace vis {

// What saving returns, and the message shows when it is not 0.
inline constexpr int kSaved = 0;
inline constexpr int kEncodeFailed = 1;
inline constexpr int kWriteFailed = 2;

inline constexpr int kEditQuality = 80;

using JpegEncoder = std::function<std::vector<unsigned char>(const Picture&, int quality)>;

// Encodes the picture at quality 80 and writes it beside the path, renamed over it once
// complete: a failure leaves any old file there as it was and nothing half-written.
int save_edit(FileSystem& fs, const std::string& path, const Picture& picture, const JpegEncoder& encode);

}  // namespace vis
