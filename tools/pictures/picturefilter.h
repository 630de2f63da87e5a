// A page surface that passes a figure on to another surface selectively, for the small toolbar
// images: it keeps the strokes (all of them, or only the thick outline with the rotation
// symbol), drops letters and their dots, maps line widths to the icon's two stroke weights and
// measures the extent of what it keeps. At icon size the rotation symbol (of an upright axis, of
// an axis across the page or of one seen end on) would shrink to a blot, so it can be drawn
// larger around its centre with thin strokes, and the thin radius line of an eccentric part (the
// two lines drawn just before its letter "R") can be kept so the part stays tied to its axis.
// With no target it only measures.
#pragma once

#include "platform/pagesurface.h"

#include <QLineF>
#include <QList>
#include <QRectF>

namespace ostrel {

class PictureFilter : public PageSurface {
public:
    enum class Keep {
        Outline,   // strokes drawn at width 4 and the axis line of the rotation symbol
        AllStrokes // every stroke; letters and dots are still dropped
    };

    // thickDots and thinDots are the widths written to the target for strokes drawn at width 4
    // (or more) and below it.
    PictureFilter(PageSurface* target, Keep keep, int thickDots = 4, int thinDots = 1);

    // Draws the rotation symbol scale times its size, about its centre, at the thin width.
    void setSymbolScale(double scale) { symbolScale_ = scale; }
    // Keeps the radius line of the eccentric parts in Outline mode.
    void setKeepRadiusLine(bool on) { keepRadius_ = on; }

    // Extent of every stroke kept so far, in mm (null when nothing was kept).
    QRectF bounds() const { return bounds_; }
    bool keptAnything() const { return kept_ > 0; }

    void setFont(const QString& name, double pointSize) override;
    void setBold(bool on) override;
    void setUnderline(bool on) override;
    bool bold() const override { return bold_; }
    bool underline() const override { return underline_; }
    double textWidth(const QString& text) const override;
    double lineHeight() const override;
    double printableWidth() const override;
    double printableHeight() const override;

    void setLineWidth(int dots) override;
    int lineWidth() const override { return width_; }
    void line(QPointF a, QPointF b) override;
    void box(QPointF a, QPointF b) override;
    void filledBox(QPointF a, QPointF b) override;
    void ellipse(QPointF centre, double r, double aspect = 1.0) override;
    void arc(QPointF centre, double r, double aspect, double from, double to) override;
    void setPoint(QPointF p, QColor c = Qt::black) override;
    void drawText(QPointF p, const QString& text) override;
    void newPage() override {}
    void endDocument() override {}

private:
    bool keeps(bool isLine);
    QPointF inSymbol(QPointF p) const;
    void strokeLine(QPointF a, QPointF b);
    void include(QPointF p);
    void includeEllipse(QPointF centre, double r, double aspect, double from, double to);

    PageSurface* target_;
    Keep keep_;
    int thickDots_;
    int thinDots_;
    int width_ = 1;
    bool bold_ = false;
    bool underline_ = false;
    bool inSymbol_ = false; // after the symbol's arc, until its axis line
    QPointF symbolCentre_;
    double symbolScale_ = 1.0;
    bool keepRadius_ = false;
    QList<QLineF> pending_; // the last thin lines dropped since the last other element
    int kept_ = 0;
    QRectF bounds_;
};

} // namespace ostrel
