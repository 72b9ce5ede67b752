#pragma once
#include "platform/qt/control_view.h"

class QListWidget;

namespace vis {

// A ListBox as a single-selection QListWidget. A user's selection goes to the model through
// set_list_index (which runs the list's click handler); the model's own selection changes are
// rendered without echoing back as a second event.
class ListView : public ControlView {
    Q_OBJECT
public:
    ListView(FormWindow& window, ListBox& list);

protected:
    void render() override;

private:
    void user_selected();

    QListWidget* list_;
    std::uint64_t items_revision_ = 0;
    bool rendering_ = false;
};

}  // namespace vis
