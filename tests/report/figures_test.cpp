// The report figures and their primitives, drawn on the recording surface.

#include "picturefilter.h"
#include "platform/recordingsurface.h"
#include "report/figures.h"
#include "report/primitives.h"
#include "solids/calcul.h"

#include <QGuiApplication>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace ostrel;
using Kind = RecordingSurface::Kind;
using Record = RecordingSurface::Record;

namespace {

constexpr double Eps = 1e-9;

// A compact, exact-enough description of one drawing record, for comparing whole sequences.
QString num(double v) {
    const double r = std::round(v * 1e6) / 1e6;
    return QString::number(r == 0 ? 0.0 : r, 'g', 12);
}
QString pt(QPointF p) {
    return num(p.x()) + "," + num(p.y());
}

QString describe(const Record& r) {
    const QString w = QStringLiteral(" w") + QString::number(r.lineWidth);
    switch (r.kind) {
    case Kind::LineWidth:
        return "W" + QString::number(r.lineWidth);
    case Kind::Line:
        return "L " + pt(r.a) + " " + pt(r.b) + w;
    case Kind::Box:
        return "B " + pt(r.a) + " " + pt(r.b) + w;
    case Kind::FilledBox:
        return "F " + pt(r.a) + " " + pt(r.b) + w;
    case Kind::Ellipse:
        return "E " + pt(r.a) + " r" + num(r.radius) + " k" + num(r.aspect) + w;
    case Kind::Arc:
        return "A " + pt(r.a) + " r" + num(r.radius) + " k" + num(r.aspect) + " " + num(r.from) +
               ">" + num(r.to) + w;
    case Kind::Point:
        return "P " + pt(r.a) + w;
    case Kind::Text:
        return "T " + r.text + " " + pt(r.a);
    default:
        return QStringLiteral("?");
    }
}

QStringList describeAll(const QList<Record>& records) {
    QStringList out;
    for (const Record& r : records)
        out << describe(r);
    return out;
}

QStringList draw(void (*figure)(PageSurface&, const FigureCell&), const FigureCell& cell) {
    RecordingSurface page;
    figure(page, cell);
    return describeAll(page.records());
}

// The expected records of an arrowhead with its tip at (x, y).
QStringList arrow(const char* kind, double x, double y) {
    const QString tip = "L " + pt({x, y}) + " ";
    const QString k(kind);
    auto two = [&](QPointF p, QPointF q) {
        return QStringList{tip + pt(p) + " w1", tip + pt(q) + " w1"};
    };
    if (k == "bas") return two({x + 0.5, y - 2}, {x - 0.5, y - 2});
    if (k == "droite") return two({x - 2, y + 0.5}, {x - 2, y - 0.5});
    if (k == "gauche") return two({x + 2, y + 0.5}, {x + 2, y - 0.5});
    return two({x - 0.5, y + 2}, {x + 0.5, y + 2});
}

QStringList symbol(double x, double y) {
    const double pi = Pi();
    return {"W4",
            "A " + pt({x, y}) + " r4 k0.2 " + num(3 * pi / 4) + ">" + num(pi / 3) + " w4",
            "L " + pt({x + 1.5, y - 1}) + " " + pt({x + 3, y - 1.25}) + " w4",
            "L " + pt({x + 1.5, y - 1}) + " " + pt({x + 2.5, y + 0.1}) + " w4",
            "W1",
            "L " + pt({x, y - 3}) + " " + pt({x, y + 3}) + " w1"};
}

QStringList letter(const QString& text, double x, double y, int width = 1) {
    return {"P " + pt({x, y}) + " w" + QString::number(width), "T " + text + " " + pt({x, y})};
}

using FigureFn = void (*)(PageSurface&, const FigureCell&);

struct NamedFigure {
    int code;
    FigureFn fn;
    const char* name;
};

const NamedFigure AllFigures[] = {
    {1, FigurePlateau, "Plateau"},
    {2, FigureCouronne, "Couronne"},
    {3, FigureCylHor, "CylHor"},
    {4, FigureTubeHor, "TubeHor"},
    {5, FigureTroncCone, "TroncCone"},
    {6, FigureBras, "Bras"},
    {7, FigureRectangle, "Rectangle"},
    {8, FigurePolygone, "Polygone"},
    {9, FigureBille, "Bille"},
    {10, FigureCylVerExc, "CylVerExc"},
    {11, FigureTubeVerExc, "TubeVerExc"},
    {12, FigureCylHorExc, "CylHorExc"},
    {13, FigureTubeHorExc, "TubeHorExc"},
    {14, FigureBilleExc, "BilleExc"},
    {15, FigureRectExc, "RectExc"},
    {16, FigureMasseExc, "MasseExc"},
    {17, FigureDiversIner, "DiversIner"},
    {18, FigureConvoyeur, "Convoyeur"},
    {19, FigureMasseDese, "MasseDese"},
    {20, FigureTore, "Tore"},
};

} // namespace

// ---- Primitives ----

TEST(Arrowheads, TwoStrokesFromTheTipEvenBelowZero) {
    RecordingSurface page;
    FlecheBas(page, 0, 0);
    FlecheDroite(page, 0, 0);
    FlecheGauche(page, 0, 0);
    FlecheHaut(page, 0, 0);
    QStringList expected;
    for (const char* k : {"bas", "droite", "gauche", "haut"})
        expected << arrow(k, 0, 0);
    EXPECT_EQ(describeAll(page.records()), expected);
}

TEST(SymboleRotation, ThickArcAndArrowThinAxisFromAnyWidth) {
    for (int entry : {1, 4, 7}) {
        RecordingSurface page;
        page.setLineWidth(entry);
        page.clear();
        SymboleRotation(page, 35.5, 15);
        EXPECT_EQ(describeAll(page.records()), symbol(35.5, 15)) << "entry width " << entry;
        EXPECT_EQ(page.lineWidth(), 1);
    }
}

TEST(SymboleRotation, GapIsAtTheTopOfTheEllipse) {
    RecordingSurface page;
    SymboleRotation(page, 0, 0);
    const Record arc = page.recordsOf(Kind::Arc).at(0);
    // Counterclockwise from 135 degrees to 60 degrees: the 75 degrees left out are above.
    const double pi = std::numbers::pi;
    EXPECT_NEAR(arc.from, 3 * pi / 4, Eps);
    EXPECT_NEAR(arc.to, pi / 3, Eps);
    double sweep = arc.to - arc.from;
    if (sweep < 0) sweep += 2 * pi;
    EXPECT_NEAR(sweep * 180 / pi, 285, 1e-9);
}

TEST(WholeMm, RoundsHalvesToEvenAndHoldsFarValues) {
    const struct {
        double in;
        qint16 out;
    } rows[] = {{5, 5},       {2.5, 2},     {3.5, 4},       {-0.5, 0},        {2.4999, 2},
                {259.6, 260}, {1e9, 32767}, {-1e9, -32768}, {std::nan(""), 0}};
    for (const auto& row : rows)
        EXPECT_EQ(WholeMm(row.in), row.out) << row.in;
}

// ---- Figures: exact drawings ----

TEST(Figures, PlateauEveryElementInOrder) {
    const FigureCell cell{75, 58};
    const double X = 100, Y = 77; // the cell centre
    const double pi = Pi();
    auto p = [&](double dx, double dy) { return pt({X + dx, Y + dy}); };
    QStringList e = {"W4",
                     "E " + p(0, 0) + " r15 k0.2 w4",
                     "L " + p(-15, 8) + " " + p(-15, 0) + " w4",
                     "L " + p(15, 8) + " " + p(15, 0) + " w4",
                     "A " + p(0, 8) + " r15 k0.25 " + num(pi) + ">0 w4",
                     "W1",
                     "L " + p(-15, 0) + " " + p(-15, -10) + " w1",
                     "L " + p(15, 0) + " " + p(15, -10) + " w1",
                     "L " + p(-15, -9) + " " + p(15, -9) + " w1"};
    e << arrow("gauche", X - 15, Y - 9) << arrow("droite", X + 15, Y - 9) << letter("D", X, Y - 13);
    e << "L " + p(15, 0) + " " + p(23, 0) + " w1"
      << "L " + p(15, 8) + " " + p(23, 8) + " w1"
      << "L " + p(22, 0) + " " + p(22, 8) + " w1";
    e << arrow("haut", X + 22, Y) << arrow("bas", X + 22, Y + 8) << letter("H", X + 19, Y + 2);
    e << symbol(100, 63);
    EXPECT_EQ(draw(FigurePlateau, cell), e);
}

TEST(Figures, ToreSymbolSitsBetweenDimensionAndRing) {
    const FigureCell cell{140, 106};
    const QStringList got = draw(FigureTore, cell);
    // A = (140, 125); the symbol at A + (25, -10).
    const QStringList sym = symbol(165, 115);
    ASSERT_GE(got.size(), sym.size());
    EXPECT_EQ(got.mid(got.size() - sym.size()), sym);
    EXPECT_TRUE(got.contains("L 150,113 180,113 w1")); // dimension line D, above the symbol
    EXPECT_TRUE(got.contains("E 150,125 r7 k1 w4"));   // the ring's left section
}

TEST(Figures, TubesAndRingDrawTheirSolidFirstThenAConcentricBore) {
    const struct {
        FigureFn tube;
        FigureFn solid;
        QString bore; // the first element after the solid
    } rows[] = {
        // Cell (10, 58): anchors A = (26.667, 77) for the lying tube, (10, 58) for the others.
        {FigureTubeHor, FigureCylHor, "E " + pt({10 + 50.0 / 3, 77}) + " r5 k2.5 w4"},
        {FigureTubeHorExc, FigureCylHorExc, "E 20,83 r3 k2.5 w4"},
        {FigureTubeVerExc, FigureCylVerExc, "E 20,70 r4 k0.15 w4"},
        {FigureCouronne, FigurePlateau, "E 35,77 r10 k0.17 w4"},
    };
    const FigureCell cell{10, 58};
    for (const auto& row : rows) {
        const QStringList tube = draw(row.tube, cell);
        const QStringList solid = draw(row.solid, cell);
        ASSERT_GT(tube.size(), solid.size() + 2);
        EXPECT_EQ(tube.mid(0, solid.size()), solid);
        EXPECT_EQ(tube.at(solid.size()), "W4");
        EXPECT_EQ(tube.at(solid.size() + 1), row.bore);
        // The bore shares its centre with the solid's first (near face or top face) ellipse.
        const QString centre = row.bore.section(' ', 1, 1);
        EXPECT_EQ(solid.at(1).section(' ', 1, 1), centre);
    }
}

TEST(Figures, ThicknessArrowheadsSitOutsidePointingInward) {
    const struct {
        FigureFn fn;
        QPointF upper, lower; // the dimension line's ends
    } rows[] = {
        {FigureRectangle, {19, 24}, {19, 27}},  // A = (10, 10)
        {FigurePolygone, {51, 33}, {51, 35.5}}, // A = (35, 10)
        {FigureRectExc, {36, 35}, {36, 38}},    // A = (10, 10)
    };
    for (const auto& row : rows) {
        const QStringList got = draw(row.fn, FigureCell{10, 10});
        const double x = row.upper.x();
        const double top = row.upper.y(), bottom = row.lower.y();
        EXPECT_TRUE(got.contains("L " + pt(row.upper) + " " + pt(row.lower) + " w1"));
        const QStringList down = arrow("bas", x, top), up = arrow("haut", x, bottom);
        const qsizetype at = got.indexOf(down.at(0));
        ASSERT_GE(at, 0);
        EXPECT_EQ(got.mid(at, 4), down + up);
    }
}

TEST(Figures, MasseDeseDrawsEverythingThinAfterAThickFigure) {
    RecordingSurface page;
    FigureDiversIner(page, FigureCell{10, 10});
    const qsizetype before = page.records().size();
    FigureMasseDese(page, FigureCell{75, 10});
    const QList<Record> all = page.records();
    int strokes = 0;
    for (qsizetype i = before; i < all.size(); ++i) {
        EXPECT_NE(all[i].kind, Kind::LineWidth);
        EXPECT_EQ(all[i].lineWidth, 1) << describe(all[i]).toStdString();
        strokes +=
            all[i].kind == Kind::Line || all[i].kind == Kind::Ellipse || all[i].kind == Kind::Arc;
    }
    EXPECT_EQ(strokes, 5);
    // The angle's letter is the single character sharp s.
    EXPECT_EQ(page.recordsOf(Kind::Text).last().text, QString(QChar(0x00DF)));
}

TEST(Figures, DiversInerPrintsNoLetter) {
    RecordingSurface page;
    FigureDiversIner(page, FigureCell{10, 10});
    EXPECT_TRUE(page.recordsOf(Kind::Text).isEmpty());
    EXPECT_TRUE(page.recordsOf(Kind::Point).isEmpty());
    EXPECT_EQ(page.recordsOf(Kind::FilledBox).size(), 1);
}

// ---- Figures: what every one of them guarantees ----

TEST(Figures, EveryFigureReturnsAtWidthOne) {
    for (const NamedFigure& f : AllFigures) {
        RecordingSurface page;
        f.fn(page, FigureCell{75, 106});
        EXPECT_EQ(page.lineWidth(), 1) << f.name;
        EXPECT_FALSE(page.records().isEmpty()) << f.name;
    }
}

namespace {

// The points a record reaches: line ends, box corners, dots, and the curve of an ellipse or arc.
QList<QPointF> reach(const Record& r) {
    switch (r.kind) {
    case Kind::Line:
    case Kind::Box:
    case Kind::FilledBox:
        return {r.a, r.b};
    case Kind::Point:
    case Kind::Text:
        return {r.a};
    case Kind::Ellipse:
    case Kind::Arc: {
        double a = r.radius, b = r.radius;
        if (r.aspect < 1) b = r.radius * r.aspect;
        if (r.aspect > 1) a = r.radius / r.aspect;
        double from = 0, sweep = 2 * std::numbers::pi;
        if (r.kind == Kind::Arc) {
            from = r.from;
            sweep = r.to - r.from;
            if (sweep <= 0) sweep += 2 * std::numbers::pi;
        }
        QList<QPointF> out;
        for (int i = 0; i <= 360; ++i) {
            const double t = from + sweep * i / 360;
            out << r.a + QPointF(a * std::cos(t), -b * std::sin(t));
        }
        return out;
    }
    default:
        return {};
    }
}

} // namespace

TEST(Figures, EveryFigureStaysInsideItsCell) {
    for (const FigureCell cell : {FigureCell{10, 10}, FigureCell{75, 58}, FigureCell{140, 250}}) {
        const QRectF inside(cell.x, cell.y, cell.largeur, cell.hauteur);
        for (const NamedFigure& f : AllFigures) {
            RecordingSurface page;
            f.fn(page, cell);
            for (const Record& r : page.records()) {
                for (QPointF p : reach(r)) {
                    EXPECT_TRUE(p.x() >= inside.left() - Eps && p.x() <= inside.right() + Eps &&
                                p.y() >= inside.top() - Eps && p.y() <= inside.bottom() + Eps)
                        << f.name << " at (" << cell.x << ", " << cell.y
                        << "): " << describe(r).toStdString();
                }
            }
        }
    }
}

TEST(Figures, PlateauReachesFortyEightMillimetresFromTheLeftEdge) {
    RecordingSurface page;
    FigurePlateau(page, FigureCell{10, 10});
    double right = 0;
    for (const Record& r : page.records())
        for (QPointF p : reach(r))
            right = std::max(right, p.x());
    EXPECT_NEAR(right - 10, 48, Eps);
}

TEST(DessineFigure, DispatchesEachCodeToItsFigure) {
    const FigureCell cell{140, 58};
    for (const NamedFigure& f : AllFigures) {
        RecordingSurface page;
        EXPECT_TRUE(DessineFigure(page, f.code, cell)) << f.code;
        EXPECT_EQ(describeAll(page.records()), draw(f.fn, cell)) << f.name;
    }
}

TEST(DessineFigure, OtherCodesDrawNothing) {
    for (int code : {0, 21, -1, 32767}) {
        RecordingSurface page;
        EXPECT_FALSE(DessineFigure(page, code, FigureCell{}));
        EXPECT_TRUE(page.records().isEmpty()) << code;
    }
}

// ---- The filter that turns figures into toolbar images ----

TEST(PictureFilter, OutlineKeepsThickStrokesAndTheSymbolAxisOnly) {
    RecordingSurface page;
    PictureFilter icon(&page, PictureFilter::Keep::Outline, 4, 2);
    FigurePlateau(icon, FigureCell{});
    EXPECT_TRUE(page.recordsOf(Kind::Text).isEmpty());
    EXPECT_TRUE(page.recordsOf(Kind::Point).isEmpty());
    // Outline: ellipse, two sides, lower arc; symbol: arc, two arrow strokes, axis.
    const QList<Record> lines = page.recordsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(describe(lines.last()), "L 25,2 25,8 w2");
    EXPECT_EQ(page.recordsOf(Kind::Ellipse).size(), 1);
    EXPECT_EQ(page.recordsOf(Kind::Arc).size(), 2);
}

TEST(PictureFilter, EccentricRadiusLineKeptOnlyWhenAsked) {
    for (bool keepRadius : {false, true}) {
        RecordingSurface page;
        PictureFilter icon(&page, PictureFilter::Keep::Outline, 4, 2);
        icon.setKeepRadiusLine(keepRadius);
        FigureCylVerExc(icon, FigureCell{});
        const QStringList got = describeAll(page.records());
        EXPECT_EQ(got.contains("L 10,12 10,7 w2"), keepRadius);
        EXPECT_EQ(got.contains("L 10,8 35,8 w2"), keepRadius);
        EXPECT_FALSE(got.contains("L 4,31 16,31 w2")); // dimension D stays out
    }
}

TEST(PictureFilter, SymbolGrowsAboutItsCentreAndBoundsFollow) {
    RecordingSurface page;
    PictureFilter icon(&page, PictureFilter::Keep::Outline, 4, 2);
    icon.setSymbolScale(2);
    SymboleRotation(icon, 20, 10);
    const QStringList got = describeAll(page.records());
    EXPECT_TRUE(got.contains("L 20,4 20,16 w2")) << got.join(" | ").toStdString();
    EXPECT_EQ(page.recordsOf(Kind::Arc).at(0).radius, 8);
    EXPECT_EQ(page.recordsOf(Kind::Arc).at(0).lineWidth, 2); // thin, so it reads when small
    EXPECT_NEAR(icon.bounds().top(), 4, Eps);
    EXPECT_NEAR(icon.bounds().bottom(), 16, Eps);
    EXPECT_NEAR(icon.bounds().left(), 12, 0.01);
    EXPECT_EQ(page.lineWidth(), 2);
}

int main(int argc, char** argv) {
    // The figures need fonts but never a display, test discovery included.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
