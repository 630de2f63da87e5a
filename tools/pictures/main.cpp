// Draws the editor's kind pictures and the toolbar images from the report's own figure
// procedures, so the editor, the toolbar and the printed report show one drawing of each kind.
//
//   ostrel_pictures_tool <program folder> <kind picture file name>...
//
// The file names given are those the build installs; the tool refuses to run when the
// catalogue names a picture that is not among them.

#include "picturefilter.h"
#include "platform/paintersurface.h"
#include "report/figures.h"
#include "solids/catalogue.h"
#include "solids/mechanism.h"
#include "toolbaricons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace ostrel;

namespace {

// Kind pictures: the 50 x 38 mm figure cell at 6 pixels per mm.
constexpr int PicturePixelsPerMm = 6;
constexpr double PictureThickPx = 2.5;

// Toolbar images: 48 x 48 pixels, the drawing scaled to fill them.
constexpr int IconPx = 48;
constexpr double IconMarginPx = 3.0;
constexpr double IconThickPx = 3.0; // width 4; thin strokes come out at half of it
constexpr double MmPerInch = 25.4;

// The dpi at which width 4 comes out thickPx wide at pxPerMm pixels per mm.
double penDpiFor(double pxPerMm, double thickPx) {
    return 4.0 * pxPerMm * MmPerInch / thickPx;
}

// The kind picture of code, as the report figure of its kind.
bool writeKindPicture(int code, const QString& path) {
    const FigureCell cell;
    QImage image(int(cell.width * PicturePixelsPerMm), int(cell.height * PicturePixelsPerMm),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        PainterSurface page(&image, QSizeF(cell.width, cell.height), QPointF(cell.x, cell.y));
        if (!page.ok()) return false;
        page.setPenDpi(penDpiFor(PicturePixelsPerMm, PictureThickPx));
        page.setFont(QStringLiteral("Courier New"), 11);
        page.setLineWidth(1);
        drawFigure(page, code, cell);
    }
    return image.save(path, "BMP");
}

using Drawing = std::function<void(PageSurface&)>;

struct IconStyle {
    PictureFilter::Keep keep = PictureFilter::Keep::AllStrokes;
    int thinDots = 2;         // thin strokes at half the thick width
    bool radiusLine = false;  // keep the radius line of an eccentric part
    double symbolScale = 1.8; // the rotation symbol, larger and thin, so it reads at 48 px
};

void configure(PictureFilter& filter, const IconStyle& style) {
    filter.setSymbolScale(style.symbolScale);
    filter.setKeepRadiusLine(style.radiusLine);
}

bool writeIcon(const Drawing& draw, const IconStyle& style, const QString& path) {
    PictureFilter measure(nullptr, style.keep);
    configure(measure, style);
    draw(measure);
    if (!measure.keptAnything()) return false;
    const QRectF extent = measure.bounds();
    const double room = IconPx - 2 * IconMarginPx;
    const double scale = room / std::max({extent.width(), extent.height(), 1e-6}); // px per mm
    const double sideMm = IconPx / scale;

    QImage image(IconPx, IconPx, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        const QPointF origin = extent.center() - QPointF(sideMm / 2, sideMm / 2);
        PainterSurface page(&image, QSizeF(sideMm, sideMm), origin);
        if (!page.ok()) return false;
        page.setPenDpi(penDpiFor(scale, IconThickPx));
        PictureFilter strokes(&page, style.keep, 4, style.thinDots);
        configure(strokes, style);
        draw(strokes);
    }
    return image.save(path, "PNG");
}

Drawing kindDrawing(int code) {
    return [code](PageSurface& page) {
        page.setLineWidth(1);
        drawFigure(page, code, FigureCell{});
    };
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: ostrel_pictures_tool <program folder> <picture>...\n");
        return 2;
    }
    const QDir folder(args.at(1));
    const QSet<QString> expected(args.begin() + 2, args.end());
    if (!folder.mkpath(QStringLiteral("images"))) {
        std::fprintf(stderr, "cannot create %s/images\n", qPrintable(folder.path()));
        return 1;
    }

    int failures = 0;
    auto check = [&failures](bool ok, const QString& path) {
        if (!ok) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    };
    auto iconPath = [&folder](int image) {
        return folder.filePath(QStringLiteral("images/image%1.png").arg(image, 2, 10, QChar('0')));
    };

    // The editor's picture and the toolbar image of one kind.
    const auto drawKind = [&](int code, const char* bitmapFile, int image, const IconStyle& style) {
        const QString name = QString::fromLatin1(bitmapFile);
        if (!expected.contains(name)) {
            std::fprintf(stderr, "the build does not list the picture %s\n", qPrintable(name));
            ++failures;
            return;
        }
        const QString path = folder.filePath(name);
        check(writeKindPicture(code, path), path);
        check(writeIcon(kindDrawing(code), style, iconPath(image)), iconPath(image));
    };
    for (const KindInfo& kind : catalogue()) {
        IconStyle style;
        if (kind.code == int(SolidType::UnbalancedMass)) {
            // A mass on a radius has no thick outline: all its strokes, drawn thick.
            style.thinDots = 4;
        } else {
            style.keep = PictureFilter::Keep::Outline;
            style.radiusLine = kind.family == Family::Eccentric;
        }
        drawKind(kind.code, kind.bitmapFile, kind.image, style);
    }
    for (const Mechanism& mechanism : mechanisms()) {
        IconStyle style;
        style.keep = PictureFilter::Keep::Outline;
        drawKind(mechanism.code, mechanism.bitmapFile, mechanism.image, style);
    }

    const struct {
        int image;
        void (*draw)(PageSurface&);
    } others[] = {
        {1, centredIcon}, {2, eccentricIcon}, {3, miscellaneousIcon},
        {24, printIcon},  {25, quitIcon},     {MechanismGroup{}.image, mechanismsIcon},
    };
    for (const auto& other : others)
        check(writeIcon(other.draw, IconStyle{}, iconPath(other.image)), iconPath(other.image));
    return failures == 0 ? 0 : 1;
}
