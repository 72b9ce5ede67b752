#pragma once
#include "qt/control_view.h"
#include "ui/list_input.h"

class QListView;

namespace vis {

class ListLinesModel;
class LinesView;

// A ListBox as a single-selection QListView over a model that asks the list box for a line only
// when it is painted (or read by a screen reader), so a long list costs no text per line. A
// user's click goes to the model through click_line, a move by key through set_list_index (both
// run the list's click handler); the model's own selection changes are rendered without echoing
// back as a second event.
class ListView : public ControlView {
    Q_OBJECT
public:
    ListView(FormWindow& window, ListBox& list);
    void detach() override;

protected:
    void render() override;

private:
    void user_selected();
    void show_selection(int row);

    ListInput input_;
    LinesView* view_;
    ListLinesModel* model_;
};

}  // namespace vis
