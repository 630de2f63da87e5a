// A printer page in millimetres, with the text rules the report relies on: a text position,
// print items separated by ";" or "," (print zones 14 character widths wide) and the end of a
// statement, the line height and the bottom-of-page check, lines, boxes, ellipses and arcs,
// line width in printer dots, pages. x grows to the right, y downward, from the top-left corner
// of the printable area. The printer (QPainter on a QPrinter or a PDF) and the recorder used by
// the tests implement the virtual primitives; the text rules are shared.
#pragma once

#include <QColor>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace ostrel {

class PageSurface {
public:
    virtual ~PageSurface() = default;

    // Font: name, size in points, bold, underline. The metrics follow the font.
    virtual void setFont(const QString& name, double pointSize) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setUnderline(bool on) = 0;
    virtual bool bold() const = 0;
    virtual bool underline() const = 0;
    virtual double textWidth(const QString& text) const = 0; // mm, current font
    virtual double lineHeight() const = 0;                   // mm, current font
    virtual double printableWidth() const = 0;               // mm
    virtual double printableHeight() const = 0;              // mm

    // Drawing, in mm. Ellipse and arc: radius r; aspect k < 1 gives semi-axes r x r*k, k > 1
    // gives r/k x r, k = 1 a circle. Arc angles in radians, counterclockwise as seen on the
    // page, 0 to the right of the centre, pi/2 up the page.
    virtual void setLineWidth(int dots) = 0;
    virtual int lineWidth() const = 0;
    virtual void line(QPointF a, QPointF b) = 0;
    virtual void box(QPointF a, QPointF b) = 0;
    virtual void filledBox(QPointF a, QPointF b) = 0;
    virtual void ellipse(QPointF centre, double r, double aspect = 1.0) = 0;
    virtual void arc(QPointF centre, double r, double aspect, double from, double to) = 0;
    // The horizontal and vertical semi-axes of the ellipse of radius r and aspect k.
    static QSizeF semiAxes(double r, double aspect);
    // One dot of the current line width in colour c; the text position moves to p.
    virtual void setPoint(QPointF p, QColor c = Qt::black) = 0;

    // Text output at a position, in the current font (top-left corner at p).
    virtual void drawText(QPointF p, const QString& text) = 0;

    // Pages. newPage ends the current page; endDocument sends the job (a newPage directly
    // before it leaves no blank page).
    virtual void newPage() = 0;
    virtual void endDocument() = 0;

    // ---- The text rules, shared by every surface ----
    QPointF currentPos() const { return pos_; }
    void setCurrentPos(QPointF p) { pos_ = p; }
    int page() const { return page_; }

    enum class Separator { None, Semicolon, Comma };
    // Prints text at the text position, then applies sep: Semicolon stays after the text,
    // Comma moves to the next print zone, None ends the statement (next line, x = 0).
    void print(const QString& text, Separator sep = Separator::None);
    // A whole number with its sign character (space when positive) and a trailing space.
    void printWhole(long long n, Separator sep = Separator::None);
    // An empty print statement: next line.
    void endLine();
    // True when one more line of the current font fits above the bottom of the printable area.
    bool lineFits() const;
    // Ends the page and starts the next one (page number + 1, text position at the top).
    void startNewPage();
    // A letter of a figure: a point at p, then the letter printed there, then the next line.
    void letter(QPointF p, const QString& text);

protected:
    QPointF pos_;
    int page_ = 1;
};

} // namespace ostrel
