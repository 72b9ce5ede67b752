#pragma once
// A picture grid's source for the backend tests: two cells side by side at (10, 10), each 100 x 80
// with a 60-pixel picture box: a red picture, and one that cannot be read.
#include <memory>
#include <vector>

#include "ui/picture_grid.h"

namespace vis {

struct TwoCells : GridSource {
    int content_height() const override { return 2000; }
    std::vector<GridPiece> pieces(int, int) override {
        GridPiece red;
        red.rect = {10, 10, 100, 80};
        red.picture_height = 60;
        red.item = 0;
        red.look = GridPiece::Look::ready;
        red.picture.width = 100;
        red.picture.height = 60;
        red.picture.pixels = std::make_shared<std::vector<std::uint32_t>>(6000, 0xFF0000u);
        GridPiece cross = red;
        cross.rect.left = 130;
        cross.item = 1;
        cross.look = GridPiece::Look::unreadable;
        cross.picture = {};
        return {red, cross};
    }
    int item_at(int x, int y) const override {
        if (y < 10 || y >= 90) return -1;
        return x >= 10 && x < 110 ? 0 : x >= 130 && x < 230 ? 1 : -1;
    }
};

}  // namespace vis
