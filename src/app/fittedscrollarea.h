// A scroll area as large as its content: its minimum and preferred sizes are those of its
// widget, so that the window keeps room for the whole content at its minimum size. Only when
// the window is made smaller than that anyway (no window manager enforces the minimum on a bare
// X server or some tiling desktops) does the content scroll, at its own minimum size, instead
// of its widgets being stacked on each other.
#pragma once

#include <QScrollArea>

namespace ostrel {

class FittedScrollArea : public QScrollArea {
public:
    explicit FittedScrollArea(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // A new layout of the widget (a longer caption, another kind) is a new size of the area.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace ostrel
