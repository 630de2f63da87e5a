// A page surface that draws nothing and keeps every operation in order as a plain record, with
// the font, bold, underline and line width in force and the page number. The report and figure
// tests read the records; widths and heights come from the real metrics of the font at a fixed
// resolution (a QGuiApplication must exist).
#pragma once

#include "platform/pagesurface.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QSizeF>

namespace ostrel {

class RecordingSurface : public PageSurface {
public:
    enum class Kind { Text, Line, Box, FilledBox, Ellipse, Arc, Point, LineWidth, NewPage, End };

    struct Record {
        Kind kind = Kind::Text;
        QPointF a;         // text position, line start, box corner, centre, point
        QPointF b;         // line end, opposite box corner
        double radius = 0; // ellipse, arc
        double aspect = 1; // ellipse, arc
        double from = 0;   // arc, radians
        double to = 0;     // arc, radians
        QString text;      // text
        QColor colour;     // point
        int lineWidth = 1; // in force (for LineWidth: the new width)
        bool bold = false;
        bool underline = false;
        QString fontName;
        double fontSize = 0;
        int page = 1;

        bool operator==(const Record&) const = default;
    };

    // One reconstructed line of text: the texts printed at one height of one page, placed at
    // the character columns of their x positions (the report font is fixed-pitch).
    struct TextLine {
        int page = 1;
        double y = 0;
        QString text;
    };

    // Printable area in mm; by default that of the PDF report (A4 less 5 mm at the sides and
    // 4 mm at the top and bottom).
    explicit RecordingSurface(QSizeF printable = QSizeF(200.0, 289.0));

    void setPrintableSize(QSizeF printable) { printable_ = printable; }

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

    const QList<Record>& records() const { return records_; }
    QList<Record> recordsOf(Kind kind) const;
    void clear();

    // Width of one character of the current font, mm.
    double charWidth() const { return textWidth(QStringLiteral("0")); }
    // The text of every page as lines, top to bottom; x positions become character columns.
    QList<TextLine> textLines() const;
    // Number of pages that hold at least one drawing or text record.
    int pageCount() const;
    bool ended() const { return ended_; }

private:
    Record stamp(Kind kind) const;

    QSizeF printable_;
    QFont font_;
    QString fontName_;
    double fontSize_ = 0;
    QImage device_; // gives the metrics their fixed resolution
    double mmPerUnit_ = 0;
    int lineWidth_ = 1;
    bool ended_ = false;
    QList<Record> records_;
};

} // namespace ostrel
