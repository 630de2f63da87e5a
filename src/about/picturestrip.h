// The picture strip of the About window's animation: one image cut into equal cells side by
// side, handed out by number. No widget: the window shows the cells it asks for.
#pragma once

#include <QImage>
#include <QString>

namespace ostrel {

class PictureStrip {
public:
    // The number of cells the strip is cut into, left to right.
    static constexpr int CellCount = 6;

    // Loads the strip; false (and an empty strip) when the file is missing or unreadable.
    bool load(const QString& path);
    void setImage(const QImage& strip);

    bool isEmpty() const { return strip_.isNull(); }
    // The size of one cell: the strip's width divided by CellCount, its full height.
    QSize cellSize() const;
    // Cell n (0 ... CellCount - 1), or a null image for any other n or an empty strip.
    QImage cell(int n) const;

private:
    QImage strip_;
};

} // namespace ostrel
