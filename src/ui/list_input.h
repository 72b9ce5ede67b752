#pragma once
// What the user does to a list, the same on every system: a left press on a line is the list's
// click on that line, selected before or not; a highlight the keys moved chooses its line. The
// list's own notices while the view shows the program's choice, or while the system moves the
// highlight for a press that counts as the click once it is done, echo nothing back.
#include <utility>
#include <vector>

#include "ui/control.h"
#include "ui/pointer_rules.h"

namespace vis {

class ListInput {
public:
    // `list` is the view's own pointer to its list box, nullptr once the list is gone.
    ListInput(Control* const& list, PointerRules::Forward forward);

    // While one lives, the list's notices of its highlight are the view's own doing.
    class Quiet {
    public:
        explicit Quiet(ListInput& input) : input_(input), was_(std::exchange(input.quiet_, true)) {}
        ~Quiet() { input_.quiet_ = was_; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;

    private:
        ListInput& input_;
        bool was_;
    };

    bool quiet() const { return quiet_; }
    // A left press on line `row`; any other row lies beside the lines and clicks none.
    void pressed(int row);
    // The system moved the highlight onto line `row` (-1: none); true when that was the user's
    // choice, which the list now holds.
    bool highlight_moved(int row);

private:
    Control* const& list_;
    PointerRules::Forward forward_;
    bool quiet_ = false;
};

// Where line `row` is after `changes` (-1 once it went or the lines were all replaced): a view
// scrolls to its selection for a new choice, not for a selected line that lines above it moved.
int row_after_changes(int row, const std::vector<ListBox::LineChange>& changes);

}  // namespace vis
