#include "ui/picture_repaint.h"

#include <cmath>

namespace vis {

ShownPicture::Update ShownPicture::take(ImageBox& box) {
    const PixelRect changed = box.take_changed();
    const Picture& picture = box.picture();
    if (picture.same_buffer(picture_) && box.resource() == resource_)
        return {false, false, picture.empty() ? PixelRect{} : changed};
    picture_ = picture;
    const bool icon_changed = box.resource() != resource_;
    resource_ = box.resource();
    return {true, icon_changed, {}};
}

PixelRect repaint_area(const PixelRect& changed, int width, int height, bool stretch, int view_width, int view_height,
                       double device_pixel_ratio) {
    if (changed.empty() || width <= 0 || height <= 0 || device_pixel_ratio <= 0) return {};
    const double sx = stretch ? static_cast<double>(view_width) / width : 1.0 / device_pixel_ratio;
    const double sy = stretch ? static_cast<double>(view_height) / height : 1.0 / device_pixel_ratio;
    const int left = static_cast<int>(std::floor(changed.left * sx));
    const int top = static_cast<int>(std::floor(changed.top * sy));
    const int right = static_cast<int>(std::ceil((changed.left + changed.width) * sx));
    const int bottom = static_cast<int>(std::ceil((changed.top + changed.height) * sy));
    return {left - 1, top - 1, right - left + 2, bottom - top + 2};
}

}  // namespace vis
