#include "qt/control_view.h"
#include "qt/image_view.h"
#include "qt/indicator_views.h"
#include "qt/input_views.h"
#include "qt/label_view.h"
#include "qt/list_view.h"
#include "qt/timer_view.h"

namespace vis {

ControlView* make_control_view(FormWindow& window, Control& control) {
    switch (control.kind()) {
        case ControlKind::label:
            return new LabelView(window, static_cast<Label&>(control));
        case ControlKind::list_box:
            return new ListView(window, static_cast<ListBox&>(control));
        case ControlKind::image:
        case ControlKind::picture_box:
            return new ImageView(window, static_cast<ImageBox&>(control));
        case ControlKind::timer:
            return new TimerView(window, static_cast<Timer&>(control));
        case ControlKind::check_box:
            return new CheckBoxView(window, static_cast<CheckBox&>(control));
        case ControlKind::text_box:
            return new TextBoxView(window, static_cast<TextBox&>(control));
        case ControlKind::combo_box:
            return new ComboBoxView(window, static_cast<ComboBox&>(control));
        case ControlKind::button:
            return new ButtonView(window, static_cast<Button&>(control));
        case ControlKind::progress_bar:
            return new ProgressBarView(window, static_cast<ProgressBar&>(control));
        case ControlKind::shape:
        case ControlKind::line:
            return new ShapeView(window, static_cast<Shape&>(control));
        case ControlKind::scroll_bar:
            return new ScrollBarView(window, static_cast<ScrollBar&>(control));
        case ControlKind::frame:
            return new FrameView(window, static_cast<Frame&>(control));
        case ControlKind::file_list:
            break;
    }
    return new PlainView(window, control);
}

}  // namespace vis
