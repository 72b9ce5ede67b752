#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace vis {

// While it lives, the user's keys, clicks, pointer moves and close requests are dropped for
// the whole program; painting, timers and network traffic go on. A dialog or pop-up menu that
// opens meanwhile (from a timer) still takes input, so it can be answered.
class InputBlocker : public QObject {
    Q_OBJECT
public:
    InputBlocker();
    ~InputBlocker() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool newer_dialog_open() const;

    QPointer<QWidget> modal_at_start_;
    QPointer<QWidget> popup_at_start_;
};

}  // namespace vis
