#include "ui/text_metrics.h"

#include "ui/control.h"

namespace vis {

void fit_to_text(Label& label, const TextMetrics& metrics) {
    const TextSize size = metrics.measure(label.caption(), label.font());
    label.resize(size.width, size.height);
}

}  // namespace vis
