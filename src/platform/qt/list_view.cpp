#include "platform/qt/list_view.h"

#include <QListWidget>

#include "platform/qt/colours.h"
#include "platform/qt/form_window.h"

namespace vis {

namespace {

// A list box lets the user move its selection but never clear it: Qt's single selection
// deselects on Ctrl+click and Ctrl+Space, which here select the line instead.
class KeepSelectionList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override {
        const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
        if (!command.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) return command;
        if (!index.isValid()) return QItemSelectionModel::NoUpdate;
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }
};

}  // namespace

ListView::ListView(FormWindow& window, ListBox& list)
    : ControlView(window, list), list_(new KeepSelectionList(&window.client())) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    set_widget(list_, list_->viewport());
    // The right button opens the program's menu and leaves the selection where it was.
    set_right_press_consumed(true);
    connect(list_, &QListWidget::itemSelectionChanged, this, &ListView::user_selected);
}

void ListView::user_selected() {
    if (rendering_) return;
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        // No way of the user's may clear the selection: show the program's own again.
        render();
        return;
    }
    const int row = list_->row(selected.front());
    forward([row](Control& c) { static_cast<ListBox&>(c).set_list_index(row); });
}

void ListView::render() {
    const auto& model = static_cast<const ListBox&>(*control_);
    rendering_ = true;
    if (model.items_revision() != items_revision_) {
        items_revision_ = model.items_revision();
        QStringList lines;
        lines.reserve(model.count());
        for (const std::string& item : model.items()) lines << QString::fromStdString(item);
        list_->clear();
        list_->addItems(lines);
    }
    const int row = model.list_index();
    if (row < 0) {
        list_->clearSelection();
        list_->setCurrentRow(-1);
    } else if (list_->currentRow() != row || !list_->item(row)->isSelected()) {
        list_->setCurrentRow(row);
        list_->scrollToItem(list_->item(row));
    }
    set_colour_role(*list_, QPalette::Text, model.fore_colour());
    set_colour_role(*list_, QPalette::Base, model.back_colour());
    rendering_ = false;
}

}  // namespace vis
