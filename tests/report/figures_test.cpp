// The report figures and their primitives, drawn on the recording surface; also the filter that
// turns them into toolbar images.

#include "picturefilter.h"
#include "platform/recordingsurface.h"
#include "report/figures.h"
#include "report/mechanismfigures.h"
#include "report/primitives.h"
#include "solids/calculation.h"

#include <QGuiApplication>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace ostrel;
using Kind = RecordingSurface::Kind;
using Record = RecordingSurface::Record;
using FigureFn = void (*)(PageSurface&, const FigureCell&);

namespace {

constexpr double Eps = 1e-9;

QString num(double v) {
    const double r = std::round(v * 1e6) / 1e6;
    return QString::number(r == 0 ? 0.0 : r, 'g', 12);
}
QString pt(QPointF p) {
    return num(p.x()) + "," + num(p.y());
}

// A compact, exact-enough description of one drawing record, for comparing whole sequences.
QString describe(const Record& r) {
    if (r.kind == Kind::LineWidth) return "W" + QString::number(r.lineWidth);
    QString d = QChar("TLBFEAPWNX"[int(r.kind)]) +
                (" " + (r.kind == Kind::Text ? r.text + " " : "")) + pt(r.a);
    if (r.kind >= Kind::Line && r.kind <= Kind::FilledBox) d += " " + pt(r.b);
    if (r.kind == Kind::Ellipse || r.kind == Kind::Arc)
        d += " r" + num(r.radius) + " k" + num(r.aspect);
    if (r.kind == Kind::Arc) d += " " + num(r.from) + ">" + num(r.to);
    return r.kind == Kind::Text ? d : d + " w" + QString::number(r.lineWidth);
}

QStringList describeAll(const QList<Record>& records) {
    QStringList out;
    for (const Record& r : records)
        out << describe(r);
    return out;
}

QStringList draw(FigureFn figure, const FigureCell& cell) {
    RecordingSurface page;
    figure(page, cell);
    return describeAll(page.records());
}

// The figures in the order of their kind codes, 1 to 23.
// clang-format off
const FigureFn AllFigures[] = {
    drawDisc, drawRing, drawLyingCylinder, drawLyingTube, drawTruncatedCone, drawArm,
    drawRectangle, drawRegularPolygon, drawSphere, drawEccentricVerticalCylinder,
    drawEccentricVerticalTube, drawEccentricHorizontalCylinder, drawEccentricHorizontalTube,
    drawEccentricSphere, drawEccentricRectangle, drawPointMass, drawGivenValues, drawConveyor,
    drawUnbalancedMass, drawTorus, drawScrewAxis, drawRackAxis, drawBeltAxis};
// clang-format on

// The points a record reaches: line ends, box corners, dots, and the curve of an ellipse or arc.
QList<QPointF> reach(const Record& r) {
    if (r.kind == Kind::LineWidth) return {};
    if (r.kind == Kind::Point || r.kind == Kind::Text) return {r.a};
    if (r.kind != Kind::Ellipse && r.kind != Kind::Arc) return {r.a, r.b};
    const double a = r.aspect > 1 ? r.radius / r.aspect : r.radius;
    const double b = r.aspect < 1 ? r.radius * r.aspect : r.radius;
    const double from = r.kind == Kind::Arc ? r.from : 0, to = r.kind == Kind::Arc ? r.to : 0;
    const double sweep = to > from ? to - from : to - from + 2 * std::numbers::pi;
    QList<QPointF> out;
    for (int i = 0; i <= 360; ++i) {
        const double t = from + sweep * i / 360;
        out << r.a + QPointF(a * std::cos(t), -b * std::sin(t));
    }
    return out;
}

} // namespace

TEST(Primitives, WholeMmRoundsHalvesToEvenAndHoldsFarValuesWithoutOverflow) {
    const struct {
        double in;
        qint16 out;
    } rows[] = {{5, 5},       {2.5, 2},     {3.5, 4},       {-0.5, 0},        {2.4999, 2},
                {259.6, 260}, {1e9, 32767}, {-1e9, -32768}, {std::nan(""), 0}};
    for (const auto& row : rows)
        EXPECT_EQ(wholeMm(row.in), row.out) << row.in;
}

TEST(Figures, TubesAndRingDrawTheirSolidFirstThenAConcentricBore) {
    const struct {
        FigureFn tube, solid;
        QString bore; // the first element after the solid
    } rows[] = {
        // Cell (10, 58): anchors A = (26.667, 77) for the lying tube, (10, 58) for the others.
        {drawLyingTube, drawLyingCylinder, "E " + pt({10 + 50.0 / 3, 77}) + " r5 k2.5 w4"},
        {drawEccentricHorizontalTube, drawEccentricHorizontalCylinder, "E 20,83 r3 k2.5 w4"},
        {drawEccentricVerticalTube, drawEccentricVerticalCylinder, "E 20,70 r4 k0.15 w4"},
        {drawRing, drawDisc, "E 35,77 r10 k0.17 w4"},
    };
    for (const auto& row : rows) {
        const QStringList tube = draw(row.tube, FigureCell{10, 58});
        const QStringList solid = draw(row.solid, FigureCell{10, 58});
        ASSERT_GT(tube.size(), solid.size() + 2);
        EXPECT_EQ(tube.mid(0, solid.size()), solid);
        EXPECT_EQ(tube.at(solid.size()), "W4");
        EXPECT_EQ(tube.at(solid.size() + 1), row.bore);
        // The bore shares its centre with the solid's first (near face or top face) ellipse.
        EXPECT_EQ(solid.at(1).section(' ', 1, 1), row.bore.section(' ', 1, 1));
    }
}

// The rotation symbol comes last, on the drive axis: the torus's above its dimension line D
// (a thick arc open at the top, its arrowhead, then the thin axis), the mechanisms' on the
// screw's shaft or seen end on (a cross) at the drive wheel.
TEST(Figures, RotatingFiguresEndWithTheRotationSymbolOnTheDriveAxis) {
    const double pi = ostrel::pi();
    const struct {
        FigureFn fn;
        FigureCell cell;
        QStringList drawn; // among the records: the driven part, the dimension, the section
        QStringList symbolEnd;
    } rows[] = {
        // clang-format off
        {drawTorus, FigureCell{140, 106}, // A = (140, 125): the symbol at A + (25, -10)
         {"L 150,113 180,113 w1", "E 150,125 r7 k1 w4"},
         {"W4", "A 165,115 r4 k0.2 " + num(3 * pi / 4) + ">" + num(pi / 3) + " w4",
          "L 166.5,114 168,113.75 w4", "L 166.5,114 167.5,115.1 w4", "W1", "L 165,112 165,118 w1"}},
        {drawScrewAxis, FigureCell{10, 10}, {"L 21,30.5 34,30.5 w4"},
         {"W1", "L 11.5,32 17.5,32 w1"}},
        {drawRackAxis, FigureCell{10, 10}, {"E 27,31 r8 k1 w4"},
         {"L 25.8,31 28.2,31 w1", "L 27,29.8 27,32.2 w1"}},
        {drawBeltAxis, FigureCell{10, 10}, {"E 22.5,32 r6 k1 w4"},
         {"L 21.3,32 23.7,32 w1", "L 22.5,30.8 22.5,33.2 w1"}}};
    // clang-format on
    for (const auto& row : rows) {
        const QStringList got = draw(row.fn, row.cell);
        for (const QString& record : row.drawn)
            EXPECT_TRUE(got.contains(record)) << record.toStdString();
        EXPECT_EQ(got.mid(got.size() - row.symbolEnd.size()), row.symbolEnd);
    }
}

TEST(Figures, ThicknessArrowheadsSitOutsidePointingInward) {
    const struct {
        FigureFn fn;
        QPointF upper, lower; // the dimension line's ends
    } rows[] = {
        {drawRectangle, {19, 24}, {19, 27}},          // A = (10, 10)
        {drawRegularPolygon, {51, 33}, {51, 35.5}},   // A = (35, 10)
        {drawEccentricRectangle, {36, 35}, {36, 38}}, // A = (10, 10)
    };
    for (const auto& row : rows) {
        const QStringList got = draw(row.fn, FigureCell{10, 10});
        EXPECT_TRUE(got.contains("L " + pt(row.upper) + " " + pt(row.lower) + " w1"));
        // Two strokes from each tip, 2 mm long and 1 mm apart at the open end.
        const auto stroke = [](QPointF tip, double dx, double dy) {
            return "L " + pt(tip) + " " + pt(tip + QPointF(dx, dy)) + " w1";
        };
        const QStringList inward = {stroke(row.upper, 0.5, -2), stroke(row.upper, -0.5, -2),
                                    stroke(row.lower, -0.5, 2), stroke(row.lower, 0.5, 2)};
        const qsizetype at = got.indexOf(inward.at(0));
        ASSERT_GE(at, 0);
        EXPECT_EQ(got.mid(at, 4), inward);
    }
}

TEST(Figures, DrawFigureDrawsEachKindInsideItsCellAndReturnsAtWidthOne) {
    for (const FigureCell cell : {FigureCell{10, 10}, FigureCell{75, 58}, FigureCell{140, 250}}) {
        const QRectF inside =
            QRectF(cell.x, cell.y, cell.width, cell.height).adjusted(-Eps, -Eps, Eps, Eps);
        for (int code = 1; code <= 23; ++code) {
            RecordingSurface page;
            EXPECT_TRUE(drawFigure(page, code, cell)) << code;
            EXPECT_EQ(describeAll(page.records()), draw(AllFigures[code - 1], cell)) << code;
            EXPECT_EQ(page.lineWidth(), 1) << code;
            EXPECT_FALSE(page.records().isEmpty()) << code;
            for (const Record& r : page.records())
                for (QPointF p : reach(r))
                    EXPECT_TRUE(inside.contains(p)) << "kind " << code << " at (" << cell.x << ", "
                                                    << cell.y << "): " << describe(r).toStdString();
        }
    }
    for (int code : {-1, 0, 24}) {
        RecordingSurface page;
        EXPECT_FALSE(drawFigure(page, code, FigureCell{})) << code;
        EXPECT_TRUE(page.records().isEmpty()) << code;
    }
}

// The toolbar images keep the thick outline and the rotation symbol's axis, no text and no
// dots; the symbols of axes drawn across the page or seen end on are enlarged, thin strokes.
TEST(PictureFilter, OutlineKeepsThickStrokesAndTheSymbolAxisOnly) {
    RecordingSurface page;
    PictureFilter icon(&page, PictureFilter::Keep::Outline, 4, 2);
    drawDisc(icon, FigureCell{});
    EXPECT_TRUE(page.recordsOf(Kind::Text).isEmpty());
    EXPECT_TRUE(page.recordsOf(Kind::Point).isEmpty());
    // Outline: ellipse, two sides, lower arc; symbol: arc, two arrow strokes, axis.
    const QList<Record> lines = page.recordsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(describe(lines.last()), "L 25,2 25,8 w2");
    EXPECT_EQ(page.recordsOf(Kind::Ellipse).size(), 1);
    EXPECT_EQ(page.recordsOf(Kind::Arc).size(), 2);
    for (const auto& [fn, radius, aspect] : {std::tuple{&drawScrewAxis, 4.0, 5.0},
                                             {&drawRackAxis, 3.0, 1.0},
                                             {&drawBeltAxis, 3.0, 1.0}}) {
        RecordingSurface axis;
        PictureFilter image(&axis, PictureFilter::Keep::Outline, 4, 2);
        image.setSymbolScale(2);
        fn(image, FigureCell{});
        const QList<Record> arcs = axis.recordsOf(Kind::Arc);
        EXPECT_TRUE(std::any_of(arcs.begin(), arcs.end(), [&](const Record& r) {
            return r.radius == 2 * radius && r.aspect == aspect && r.lineWidth == 2;
        })) << radius;
    }
}

int main(int argc, char** argv) {
    // The figures need fonts but never a display, test discovery included.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
