#pragma once
#include "qt/control_view.h"

class QLabel;

namespace vis {

// A Label as a QLabel: plain text (CR LF starts a new line), opaque or transparent background.
class LabelView : public ControlView {
    Q_OBJECT
public:
    LabelView(FormWindow& window, Label& label);

protected:
    void render() override;

private:
    QLabel* label_;
};

}  // namespace vis
