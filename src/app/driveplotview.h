// The profile plot of the drive panel: the report's plot routine drawn through a painter
// surface on an image the size of the widget.
#pragma once

#include "drive/drivecalc.h"
#include "solids/units.h"

#include <QStringList>
#include <QWidget>

namespace ostrel {

class PageSurface;

class DrivePlotView : public QWidget {
public:
    explicit DrivePlotView(QWidget* parent = nullptr);

    void setPlot(const DriveProfile& profile, const DisplayChoice& choice,
                 const QStringList& texts);
    const DriveProfile& profile() const { return profile_; }

    // Draws the plot on page inside area (mm), as the widget paints it; false when there is
    // nothing to draw.
    bool draw(PageSurface& page, QRectF area) const;

    QSize sizeHint() const override { return {320, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DriveProfile profile_;
    DisplayChoice choice_;
    QStringList texts_;
};

} // namespace ostrel
