#pragma once
// Repainting only the changed part of the same picture: a view remembers the picture and the icon
// it shows. While its box shows the same ones, only the pixels that changed are painted again
// (the editor draws a stroke at a time into one buffer); anything else is shown anew.
#include <string>

#include "ui/control.h"
#include "ui/picture.h"

namespace vis {

class ShownPicture {
public:
    struct Update {
        // The box's picture, or its icon, is shown anew.
        bool whole = false;
        // The icon is another than the one shown before.
        bool icon_changed = false;
        // Not anew: these pixels of the picture are painted again (empty: none).
        PixelRect changed;
    };

    // Takes what changed in the box since the view last showed it.
    Update take(ImageBox& box);
    const Picture& picture() const { return picture_; }

private:
    Picture picture_;
    std::string resource_;
};

// The part of the view to paint again, in the view's pixels, when `changed` pixels of a picture of
// `width` × `height` changed: the picture is stretched over `view_width` × `view_height`, or shown
// at its natural size with `device_pixel_ratio` of its pixels to a view pixel. Smoothing reaches
// a pixel beyond the changed ones.
PixelRect repaint_area(const PixelRect& changed, int width, int height, bool stretch, int view_width, int view_height,
                       double device_pixel_ratio);

}  // namespace vis
