#include "app/fittedscrollarea.h"

namespace ostrel {

FittedScrollArea::FittedScrollArea(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
}

QSize FittedScrollArea::sizeHint() const {
    const int frame = 2 * frameWidth();
    return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
}

QSize FittedScrollArea::minimumSizeHint() const {
    const int frame = 2 * frameWidth();
    return widget() ? widget()->minimumSizeHint() + QSize(frame, frame)
                    : QScrollArea::minimumSizeHint();
}

} // namespace ostrel
