#pragma once
// A label: a static text control with its alignment and colours.
#include "win32/control_view.h"

namespace vis::win32 {

class LabelView : public ControlView {
public:
    LabelView(FormWindow& window, Label& label);

    bool see_through() const override;

protected:
    void render() override;
    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    // The text once more, a pixel to the right, where the system's bold is too faint.
    void strike_again(HDC dc);

    Alignment applied_alignment_ = Alignment::left;
};

}  // namespace vis::win32
