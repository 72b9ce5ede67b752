#pragma once
// An image or picture box drawn with GDI: stretched with halftone, or at its natural size with one
// image pixel per device pixel; a picture changed in place repaints only the changed rectangle.
#include <memory>
#include <vector>

#include "platform/win32/control_view.h"

namespace vis::win32 {

class ImageView : public ControlView {
public:
    ImageView(FormWindow& window, ImageBox& image);

protected:
    void render() override;
    RECT geometry_px() const override;
    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void paint(HDC dc);

    Picture shown_;
    std::string shown_resource_;
};

}  // namespace vis::win32
