#pragma once
// Shrinking a picture for a stretched display by averaging the source pixels each target pixel
// covers, so no detail is skipped.
#include "ui/picture.h"

namespace vis {

// The picture at width x height; empty when either picture is empty. Meant for shrinking: a
// target larger than the picture repeats source pixels.
ScaledCopy scale_by_area(const Picture& picture, int width, int height);

}  // namespace vis
