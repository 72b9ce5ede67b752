#include "qt/list_view.h"

#include <QAbstractListModel>
#include <QListView>
#include <QMouseEvent>
#include <functional>

#include "qt/colours.h"
#include "qt/form_window.h"

namespace vis {

// The lines of a list box as Qt asks for them. Its row count changes only as the changes the list
// box reports are applied, so a paint between a change and its render never reads past the end.
class ListLinesModel : public QAbstractListModel {
public:
    ListLinesModel(const ListBox& list, QObject* parent) : QAbstractListModel(parent), list_(&list) {}

    void detach() {
        beginResetModel();
        list_ = nullptr;
        rows_ = 0;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (list_ == nullptr || !index.isValid() || index.row() >= list_->count()) return {};
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
        return QString::fromStdString(list_->item(index.row()));
    }

    void apply(const std::vector<ListBox::LineChange>& changes) {
        using Kind = ListBox::LineChange::Kind;
        for (const ListBox::LineChange& c : changes) {
            if (c.kind == Kind::inserted && c.row >= 0 && c.row <= rows_) {
                beginInsertRows({}, c.row, c.row);
                ++rows_;
                endInsertRows();
            } else if (c.kind == Kind::removed && c.row >= 0 && c.row < rows_) {
                beginRemoveRows({}, c.row, c.row);
                --rows_;
                endRemoveRows();
            } else {
                reset();
            }
        }
        // Whatever was missed, the count the list box has is the one shown.
        if (list_ != nullptr && rows_ != list_->count()) reset();
    }

private:
    void reset() {
        beginResetModel();
        rows_ = list_ != nullptr ? list_->count() : 0;
        endResetModel();
    }

    const ListBox* list_;
    int rows_ = 0;
};

// A list box lets the user move its selection but never clear it: Qt's single selection
// deselects on Ctrl+click and Ctrl+Space, which here select the line instead. The list's own
// press moves the highlight quietly; the press is then the list's click.
class LinesView : public QListView {
public:
    LinesView(QWidget* parent, ListInput& input) : QListView(parent), input_(input) {}

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override {
        const QItemSelectionModel::SelectionFlags command = QListView::selectionCommand(index, event);
        if (!command.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) return command;
        if (!index.isValid()) return QItemSelectionModel::NoUpdate;
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }

    // With no line selected the keys start at the first line, as on Windows: Qt's focus puts its
    // cursor on that line unselected, so that Down would choose the second.
    void focusInEvent(QFocusEvent* event) override {
        const bool had_cursor = currentIndex().isValid();
        QListView::focusInEvent(event);
        if (!had_cursor && !selectionModel()->hasSelection()) selectionModel()->clearCurrentIndex();
    }

    void mousePressEvent(QMouseEvent* event) override {
        {
            const ListInput::Quiet quiet(input_);
            QListView::mousePressEvent(event);
        }
        const QModelIndex index = indexAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton) input_.pressed(index.isValid() ? index.row() : -1);
    }

private:
    ListInput& input_;
};

ListView::ListView(FormWindow& window, ListBox& list)
    : ControlView(window, list),
      input_(control_, [this](const std::function<void(Control&)>& handler) { forward(handler); }),
      view_(new LinesView(&window.client(), input_)),
      model_(new ListLinesModel(list, this)) {
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setUniformItemSizes(true);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setModel(model_);
    set_widget(view_, view_->viewport());
    // The right button opens the program's menu and leaves the selection where it was.
    set_right_press_consumed(true);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ListView::user_selected);
}

void ListView::detach() {
    model_->detach();
    ControlView::detach();
}

void ListView::user_selected() {
    if (input_.quiet()) return;
    const QModelIndexList selected = view_->selectionModel()->selectedIndexes();
    // No way of the user's may clear the selection: show the program's own again.
    if (selected.isEmpty())
        render();
    else
        input_.highlight_moved(selected.front().row());
}

void ListView::render() {
    if (control_ == nullptr) return;
    auto& list = static_cast<ListBox&>(*control_);
    const ListInput::Quiet quiet(input_);
    model_->apply(list.take_line_changes());
    show_selection(list.list_index());
    set_colour_role(*view_, QPalette::Text, list.fore_colour());
    set_colour_role(*view_, QPalette::Base, list.back_colour());
}

void ListView::show_selection(int row) {
    QItemSelectionModel& selection = *view_->selectionModel();
    if (row < 0) {
        selection.clear();
        return;
    }
    const QModelIndex index = model_->index(row);
    if (selection.currentIndex() != index || !selection.isSelected(index)) {
        selection.setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        view_->scrollTo(index);
    }
}

}  // namespace vis
