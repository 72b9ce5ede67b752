#pragma once
// An image or picture box drawn with GDI: stretched with halftone, or at its natural size with one
// image pixel per device pixel; a picture changed in place repaints only the changed rectangle.
// With no picture it shows its icon from data/; over a picture box the pointer shows its icon.
#include <memory>
#include <vector>

#include "ui/picture_repaint.h"
#include "win32/control_view.h"
#include "win32/data_icon.h"

namespace vis::win32 {

class ImageView : public ControlView {
public:
    ImageView(FormWindow& window, ImageBox& image);
    ~ImageView() override;

protected:
    void render() override;
    RECT geometry_px() const override;
    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void paint(HDC dc);
    void apply_pointer(const Icon& icon);

    ShownPicture shown_;
    DataIcon icon_;
    Icon shown_pointer_;
    HCURSOR pointer_ = nullptr;
};

}  // namespace vis::win32
