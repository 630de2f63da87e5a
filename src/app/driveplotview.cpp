#include "app/driveplotview.h"

#include "platform/paintersurface.h"
#include "report/driveplot.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace ostrel {

DrivePlotView::DrivePlotView(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(260);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void DrivePlotView::setPlot(const DriveProfile& profile, const DisplayChoice& choice,
                            const QStringList& texts) {
    profile_ = profile;
    choice_ = choice;
    texts_ = texts;
    update();
}

bool DrivePlotView::draw(PageSurface& page, QRectF area) const {
    return drawDriveProfile(page, area, profile_, choice_, texts_, font().family());
}

void DrivePlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (profile_.empty() || width() < 20 || height() < 20) return;
    const double dpr = devicePixelRatioF();
    QImage image(size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const double mmPerPixel = 25.4 / logicalDpiX();
    const QSizeF mm(width() * mmPerPixel, height() * mmPerPixel);
    {
        PainterSurface surface(&image, mm);
        surface.setPenDpi(300);
        draw(surface, QRectF(1.5, 1.0, mm.width() - 2.5, mm.height() - 2.0));
    }
    image.setDevicePixelRatio(dpr);
    painter.drawImage(QPointF(0, 0), image);
}

} // namespace ostrel
