#pragma once
// A screenshot made small enough for a grid cell.
#include <string>

#include "thumbnails/thumb_key.h"
#include "ui/picture.h"

namespace vis {

// The largest size of the picture's shape that fits `box_width` x `box_height`.
void fit_in_box(int width, int height, int box_width, int box_height, int& fitted_width, int& fitted_height);

// The file decoded at the decoder's smallest scale that still covers the box (1/8 of a full-HD
// screenshot for a 96-dpi cell), then averaged down to fit it. Empty when the file cannot be
// read or decoded.
Picture decode_thumbnail(const std::string& path, int box_width, int box_height);
// The same for the screenshot the key names, as the thumbnail decoder asks.
Picture decode_thumbnail_of(const ThumbKey& key, int box_width, int box_height);

}  // namespace vis
