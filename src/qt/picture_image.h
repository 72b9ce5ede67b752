#pragma once
// A Picture seen as a QImage. The pixel layout is QImage::Format_RGB32, so no conversion is
// needed; the image only borrows the buffer, which the caller keeps alive (or copies).
#include <QImage>

#include "ui/picture.h"

namespace vis {

QImage wrap_picture(const Picture& picture);

}  // namespace vis
