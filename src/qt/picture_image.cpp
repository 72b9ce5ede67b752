#include "qt/picture_image.h"

namespace vis {

QImage wrap_picture(const Picture& picture) {
    if (picture.empty()) return {};
    const auto needed = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    if (picture.pixels->size() < needed) return {};
    return QImage(reinterpret_cast<const uchar*>(picture.pixels->data()), picture.width, picture.height,
                  static_cast<qsizetype>(picture.width) * 4, QImage::Format_RGB32);
}

}  // namespace vis
