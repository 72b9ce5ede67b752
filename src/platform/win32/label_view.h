#pragma once
// A label: a static text control with its alignment and colours.
#include "platform/win32/control_view.h"

namespace vis::win32 {

class LabelView : public ControlView {
public:
    LabelView(FormWindow& window, Label& label);

    bool see_through() const override;

protected:
    void render() override;

private:
    Alignment applied_alignment_ = Alignment::left;
};

}  // namespace vis::win32
