#pragma once
// The navigator's picture: the canvas shrunk to a fifth each way, each pixel the average of the
// 5 x 5 block of canvas pixels it stands for. It is brought up to date only where the canvas
// changed, so following a pencil stroke costs what the stroke touched, not the whole canvas.
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/picture.h"

namespace vis {

class Thumbnail {
public:
    static constexpr int kScale = 5;

    // A thumbnail of the whole picture; an empty picture gives an empty one.
    void reset(const Picture& source);
    // Redoes the blocks that cover `changed` (pixels of the source, which must have the size the
    // thumbnail was made for); returns the thumbnail's pixels that were redone.
    PixelRect refresh(const Picture& source, PixelRect changed);
    // Shares the pixels, which later refreshes change in place.
    Picture picture() const;

private:
    void shrink_block(const Picture& source, int bx, int by);

    int source_width_ = 0;
    int source_height_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::shared_ptr<std::vector<std::uint32_t>> pixels_;
};

}  // namespace vis
