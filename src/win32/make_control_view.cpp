#include "win32/control_view.h"
#include "win32/image_view.h"
#include "win32/indicator_views.h"
#include "win32/input_views.h"
#include "win32/label_view.h"
#include "win32/list_view.h"
#include "win32/shape_view.h"
#include "win32/timer_view.h"

namespace vis::win32 {

std::unique_ptr<ControlView> make_control_view(FormWindow& window, Control& control) {
    switch (control.kind()) {
        case ControlKind::label:
            return std::make_unique<LabelView>(window, static_cast<Label&>(control));
        case ControlKind::list_box:
            return std::make_unique<ListView>(window, static_cast<ListBox&>(control));
        case ControlKind::image:
        case ControlKind::picture_box:
            return std::make_unique<ImageView>(window, static_cast<ImageBox&>(control));
        case ControlKind::timer:
            return std::make_unique<TimerView>(window, static_cast<Timer&>(control));
        case ControlKind::check_box:
            return std::make_unique<CheckBoxView>(window, static_cast<CheckBox&>(control));
        case ControlKind::text_box:
            return std::make_unique<TextBoxView>(window, static_cast<TextBox&>(control));
        case ControlKind::button:
            return std::make_unique<ButtonView>(window, static_cast<Button&>(control));
        case ControlKind::combo_box:
            return std::make_unique<ComboBoxView>(window, static_cast<ComboBox&>(control));
        case ControlKind::progress_bar:
            return std::make_unique<ProgressBarView>(window, static_cast<ProgressBar&>(control));
        case ControlKind::scroll_bar:
            return std::make_unique<ScrollBarView>(window, static_cast<ScrollBar&>(control));
        case ControlKind::frame:
            return std::make_unique<FrameView>(window, static_cast<Frame&>(control));
        case ControlKind::shape:
        case ControlKind::line:
            return std::make_unique<ShapeView>(window, static_cast<Shape&>(control));
        case ControlKind::file_list:
            break;
    }
    return std::make_unique<PlainView>(window, control);
}

}  // namespace vis::win32
