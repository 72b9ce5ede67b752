#include "thumbnails/thumbnail_picture.h"

#include <algorithm>
#include <memory>

#include "imaging/jpeg.h"
#include "imaging/picture_scale.h"

namespace vis {

void fit_in_box(int width, int height, int box_width, int box_height, int& fitted_width, int& fitted_height) {
    fitted_width = fitted_height = 0;
    if (width <= 0 || height <= 0 || box_width <= 0 || box_height <= 0) return;
    // Wider than the box's shape: the width fills it; otherwise the height does.
    if (static_cast<long long>(width) * box_height >= static_cast<long long>(height) * box_width) {
        fitted_width = box_width;
        fitted_height = static_cast<int>((static_cast<long long>(height) * box_width * 2 + width) / (2LL * width));
    } else {
        fitted_height = box_height;
        fitted_width = static_cast<int>((static_cast<long long>(width) * box_height * 2 + height) / (2LL * height));
    }
    fitted_width = std::clamp(fitted_width, 1, box_width);
    fitted_height = std::clamp(fitted_height, 1, box_height);
}

Picture decode_thumbnail(const std::string& path, int box_width, int box_height) {
    const auto decoded = decode_jpeg_file_scaled(path, box_width, box_height);
    if (!decoded) return {};
    int width = 0, height = 0;
    fit_in_box(decoded->width, decoded->height, box_width, box_height, width, height);
    if (width == decoded->width && height == decoded->height) return *decoded;
    ScaledCopy small = scale_by_area(*decoded, width, height);
    Picture thumb;
    thumb.width = small.width;
    thumb.height = small.height;
    thumb.pixels = std::make_shared<const std::vector<std::uint32_t>>(std::move(small.pixels));
    return thumb;
}

Picture decode_thumbnail_of(const ThumbKey& key, int box_width, int box_height) {
    return decode_thumbnail(key.path, box_width, box_height);
}

}  // namespace vis
