// The page surface drawn with a QPainter on any paint device: a printer, a PDF writer, or an
// image standing for a given size in millimetres (the generated pictures). Millimetres become
// device units through the device's resolution; a line width of n dots is n dots of a 600 dpi
// printer, scaled to the device and never thinner than one device unit.
#pragma once

#include "platform/pagesurface.h"

#include <QFont>
#include <QPainter>
#include <QSizeF>

class QImage;
class QPaintDevice;

namespace ostrel {

class PainterSurface : public PageSurface {
public:
    // Paints on a printer or a PDF writer (begins painting at once: the first page is open);
    // the origin is the top-left corner of its printable area.
    explicit PainterSurface(QPaintDevice* device);
    // Paints on an image that stands for mmSize millimetres; the mm point originMm falls on the
    // image's top-left corner. What the image holds stays under the drawing.
    PainterSurface(QImage* image, QSizeF mmSize, QPointF originMm = QPointF());
    ~PainterSurface() override;

    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    // False when the device refused to be painted on (no printer, a file that cannot be
    // written) or the end of the job failed.
    bool ok() const { return ok_; }
    // The resolution at which a line width of n dots is n device dots (600 by default); lower
    // it to draw thicker lines on small pictures.
    void setPenDpi(double dpi) { penDpi_ = dpi > 0 ? dpi : penDpi_; }

    void setFont(const QString& name, double pointSize) override;
    void setBold(bool on) override;
    void setUnderline(bool on) override;
    bool bold() const override { return font_.bold(); }
    bool underline() const override { return font_.underline(); }
    double textWidth(const QString& text) const override;
    double lineHeight() const override;
    double printableWidth() const override { return printable_.width(); }
    double printableHeight() const override { return printable_.height(); }

    void setLineWidth(int dots) override;
    int lineWidth() const override { return lineWidth_; }
    void line(QPointF a, QPointF b) override;
    void box(QPointF a, QPointF b) override;
    void filledBox(QPointF a, QPointF b) override;
    void ellipse(QPointF centre, double r, double aspect = 1.0) override;
    void arc(QPointF centre, double r, double aspect, double from, double to) override;
    void setPoint(QPointF p, QColor c = Qt::black) override;
    void drawText(QPointF p, const QString& text) override;
    void newPage() override;
    void endDocument() override;

private:
    void begin();
    QPointF toDevice(QPointF mm) const;
    QRectF ellipseRect(QPointF centre, double r, double aspect) const;
    void openPendingPage();
    void applyFont();
    QPen pen(QColor c = Qt::black) const;

    QPaintDevice* device_;
    QPainter painter_;
    double sx_ = 1; // device units per mm
    double sy_ = 1;
    QPointF origin_;
    QSizeF printable_;
    QString fontName_;
    double fontSize_ = 11;
    QFont font_;
    int lineWidth_ = 1;
    double penDpi_ = 600;
    bool paged_ = false;
    bool pagePending_ = false;
    bool ended_ = false;
    bool ok_ = false;
};

} // namespace ostrel
