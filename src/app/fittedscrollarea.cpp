#include "app/fittedscrollarea.h"

#include <QEvent>

namespace ostrel {

FittedScrollArea::FittedScrollArea(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus); // its controls take the focus, the area itself never does
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

bool FittedScrollArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

} // namespace ostrel
