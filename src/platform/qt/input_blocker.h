#pragma once
#include <QObject>

namespace vis {

// While it lives, the user's keys, clicks, pointer moves and close requests are dropped for
// the whole program; painting, timers and network traffic go on.
class InputBlocker : public QObject {
    Q_OBJECT
public:
    InputBlocker();
    ~InputBlocker() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vis
