// The Drive block of the report and the profile plot, drawn on the recording surface.

#include "drive/drivetext.h"
#include "drive/motortext.h"
#include "platform/recordingsurface.h"
#include "report/driveblock.h"
#include "report/driveplot.h"
#include "report/report.h"
#include "report_fixture.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace ostrel;
using namespace ostrel::testing;
using Kind = RecordingSurface::Kind;
using Record = RecordingSurface::Record;
using F = DriveInputs::Field;

namespace {

const QDate Today(2026, 3, 14);

// The report's texts with the drive's entries named "D<n>".
QStringList texts() {
    QStringList t = reportTexts();
    while (t.size() < 800)
        t.append(QStringLiteral("D%1").arg(t.size()));
    t[DriveEntry::ReportTitle] = QStringLiteral("Drive");
    t[MotorEntry::Title] = QStringLiteral("Motor");
    t[DriveEntry::FirstResult + static_cast<int>(DriveResult::AccelTorque)] =
        QStringLiteral("Acceleration torque");
    return t;
}

// A load of J_L = 0.05 kg·m², T_F = 0.2 and T_W = 0.3 N·m at the drive axis.
PartsList load() {
    return listOf({{1, "10", "0.05", "1", "1", "", "100", "", "20", "0.2", "0.3"}});
}

// J_M = 0.01, ω = 10 rad/s, t_a = t_d = 0.1 s, t_c = 1 s, t_0 = 0.8 s: T_a = 6.5 N·m.
DriveInputs drive() {
    DriveInputs in;
    in.texts = {"0.01", "", "1", "95.4929658551372", "0.1", "1", "0.1", "0.8", "1", "10"};
    return in;
}

QList<Record> curves(const RecordingSurface& page) {
    QList<Record> out;
    for (const Record& r : page.recordsOf(Kind::Line))
        if (r.lineWidth == DrivePlotCurveWidth) out << r;
    return out;
}

TEST(DriveReport, WithoutMotorInertiaOrSpeedTheReportIsAsWithoutDrive) {
    DriveInputs onlyTimes; // a speed of 0 is no speed
    onlyTimes.texts = {"", "", "0.9", "0", "0.5", "", "", "", "1", "10"};
    const PartsList list = load();
    RecordingSurface plain, empty, times;
    printReport(plain, list, texts(), Today);
    const DriveInputs none;
    printReport(empty, list, texts(), Today, {}, &none);
    printReport(times, list, texts(), Today, {}, &onlyTimes);
    EXPECT_EQ(empty.records(), plain.records());
    EXPECT_EQ(times.records(), plain.records());
}

// After the totals: the Drive block, inputs and results in SI with 4 significant digits in the
// column of the longest caption, the verdict after the ratio; its plot; then the Motor block:
// the motor's data, each criterion with what it compares, its margin and pass, the verdict and
// the braking energy; then the tables. With J_M = J_R = 0.01: λ = 5 (50.0 %), T_a = 6.5 ≤ 8
// (1 − 6.5/8 = 18.8 %), RMS with T_W = 0.3 held during the dwell
// √((6.5²·0.1 + 0.5²·1 + 5.5²·0.1 + 0.3²·0.8)/2) = 1.946 ≤ 2 (2.71 %), 95.49 ≤ 200 rpm
// (52.3 %); E_r = 5.5·10·0.1/2 = 2.75 J over a cycle of 2 s: 1.375 W.
TEST(DriveReport, DriveBlockPlotAndMotorBlockFollowTheTotalsInOrder) {
    const ChosenMotor motor{Motor{"Test motor", 2, 8, 100, 200, {}, 0.01}, false};
    const DriveInputs in = drive();
    RecordingSurface page;
    ASSERT_EQ(printReport(page, load(), texts(), Today, {}, &in, {}, &motor),
              ReportStatus::Printed);
    const QStringList lines = lineTexts(page);
    const int width = reportCaptionWidth(texts());
    EXPECT_EQ(width, QStringLiteral("Acceleration torque").size());
    // clang-format off
    const QStringList block{
        "Total inertia", "Drive", captionLine("D535", width, "95.49", "rpm"),
        captionLine("D545", width, "5.000", ""), captionLine("D572", width, "D556", ""),
        captionLine("Acceleration torque", width, "6.500", "N·m"), "Motor", "Test motor",
        captionLine("D722", width, "2.000", "N·m"),
        captionLine("D726", width, "", "N·m"), // T_P,max not given: empty, never 0
        captionLine("D741", width, "D748", ""),
        "D730", "    5.000 ≤ 10.00   D736 50.0 %   D737",
        "D731", "    6.500 ≤ 8.000 N·m   D736 18.8 %   D737",
        "D732", "    1.946 ≤ 2.000 N·m   D736 2.71 %   D737",
        "D733", "    95.49 ≤ 200.0 rpm   D736 52.3 %   D737",
        captionLine("D739", width, "D737", ""), captionLine("D743", width, "2.750", "J"),
        captionLine("D744", width, "1.375", "W"), "Figure  1"};
    // clang-format on
    int previous = -1;
    for (const QString& text : block) {
        int at = previous + 1;
        while (at < lines.size() && !lines[at].startsWith("          " + text))
            ++at;
        ASSERT_LT(at, lines.size()) << text.toStdString() << " after line " << previous;
        previous = at;
    }
    // The plot between the Drive block and the Motor block. The block leaves no room for it
    // on the first page: it goes whole to the next, under that page's heading.
    const QList<Record> drawn = curves(page);
    ASSERT_FALSE(drawn.isEmpty());
    const auto textLines = page.textLines();
    const auto at = [&](const QString& text) {
        const RecordingSurface::TextLine& l = textLines[int(lines.indexOf(text))];
        return std::pair{l.page, l.y};
    };
    ASSERT_EQ(at("          Drive").first, 1);
    const auto heading = *std::find_if(textLines.begin(), textLines.end(),
                                       [](const auto& l) { return l.page == 2; });
    EXPECT_TRUE(heading.text.contains(texts()[69])) << heading.text.toStdString();
    for (const Record& r : drawn) {
        EXPECT_EQ(r.page, 2);
        EXPECT_GT(std::min(r.a.y(), r.b.y()), heading.y);
        EXPECT_LE(std::max(r.a.y(), r.b.y()), page.printableHeight());
        EXPECT_LT(std::pair(r.page, std::max(r.a.y(), r.b.y())), at("          Motor"));
    }
}

// Inertias and torques of both blocks in the report's units, as the panel shows them; speeds
// stay in rpm. J_M = 0.01 kg·m² = 100 kg·cm²; T_a = 6.5 N·m = 650 N·cm.
TEST(DriveReport, InertiasAndTorquesFollowTheReportsUnits) {
    const ChosenMotor motor{Motor{"Test motor", 2, 8, 100, 200, {}, 0.01}, false};
    const DriveInputs in = drive();
    const DisplayChoice cm{Digits::Significant4, MassUnit::Kg, InertiaUnit::KgCm2, TorqueUnit::NCm};
    RecordingSurface page;
    printReport(page, load(), texts(), Today, cm, &in, {}, &motor);
    const QStringList lines = lineTexts(page);
    const int width = reportCaptionWidth(texts());
    for (const QString& line :
         {captionLine("D532", width, "100.0", "kg·cm²"),
          captionLine("Acceleration torque", width, "650.0", "N·cm"),
          captionLine("D722", width, "200.0", "N·cm"), captionLine("D535", width, "95.49", "rpm"),
          QStringLiteral("    650.0 ≤ 800.0 N·cm   D736 18.8 %   D737")})
        EXPECT_EQ(lines.filter(QStringLiteral("          ") + line).size(), 1)
            << line.toStdString();
}

TEST(DriveReport, InputOutOfRangePrintsItsHintAndNoResult) {
    DriveInputs in = drive();
    in.setText(F::Efficiency, QStringLiteral("1.5"));
    RecordingSurface page;
    printReport(page, load(), texts(), Today, {}, &in);
    const QStringList lines = lineTexts(page);
    EXPECT_TRUE(lines.filter(QStringLiteral("! D560")).size() == 1);
    EXPECT_EQ(lines.filter(QStringLiteral("Acceleration torque")).size(), 0);
    EXPECT_TRUE(curves(page).isEmpty());
}

// The plot's curves: one line per pair of consecutive profile points, speed then torque, at
// the positions the layout gives them.
TEST(DrivePlot, CurvesJoinTheProfilePointsInTheirBoxes) {
    const DriveInputs in = drive();
    const DriveResults r = computeDrive(in, {0.05, 0.2, 0.3});
    const DriveProfile profile = driveProfile(in, r);
    RecordingSurface page;
    const QRectF area(20, 30, 150, 80);
    ASSERT_TRUE(drawDriveProfile(page, area, profile, DisplayChoice(), texts()));
    page.setFont(QStringLiteral("Courier New"), DrivePlotTextSize);
    const DrivePlotLayout l = drivePlotLayout(page, area, profile, DisplayChoice());
    EXPECT_TRUE(area.contains(l.speedBox) && area.contains(l.torqueBox));
    EXPECT_LE(l.speedBox.bottom(), l.torqueBox.top());

    // The profile's points (worked in the drive suite): ω = 10 rad/s is n = 95.49 rpm; torques
    // 6.5, 0.5 and −5.5 N·m, the dwell holding 0.3.
    QList<QPointF> want;
    for (qsizetype i = 1; i < profile.speed.size(); ++i)
        want << l.speedPoint(profile.speed[i - 1]) << l.speedPoint(profile.speed[i]);
    for (qsizetype i = 1; i < profile.torque.size(); ++i)
        want << l.torquePoint(profile.torque[i - 1]) << l.torquePoint(profile.torque[i]);
    const double n = 300 / M_PI;
    const QList<Record> drawn = curves(page);
    ASSERT_EQ(drawn.size() * 2, want.size());
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        EXPECT_NEAR(drawn[i].a.x(), want[2 * i].x(), 1e-9) << i;
        EXPECT_NEAR(drawn[i].a.y(), want[2 * i].y(), 1e-9) << i;
        EXPECT_NEAR(drawn[i].b.x(), want[2 * i + 1].x(), 1e-9) << i;
        EXPECT_NEAR(drawn[i].b.y(), want[2 * i + 1].y(), 1e-9) << i;
    }
    // The corners sit where they should: start at the bottom-left of the speed box, the cycle
    // ends at the right edge, torque 0 on the zero line between the top and bottom.
    EXPECT_EQ(l.speedPoint({0, 0}), l.speedBox.bottomLeft());
    EXPECT_NEAR(l.speedPoint({2, 0}).x(), l.speedBox.right(), 1e-9);
    EXPECT_GT(l.speedPoint({0.1, n}).y(), l.speedBox.top());
    const double zero = l.torquePoint({0, 0}).y();
    EXPECT_GT(zero, l.torquePoint({0, 6.5}).y());
    EXPECT_LT(zero, l.torquePoint({0, -5.5}).y());
    EXPECT_LT(l.torquePoint({0, -5.5}).y(), l.torqueBox.bottom());
    // Each phase's value is written; a time label that would overlap the one before (1.2 s)
    // is left out.
    QStringList written;
    for (const Record& t : page.recordsOf(Kind::Text))
        written << t.text;
    for (const char* value : {"6.500", "0.5000", "-5.500", "95.49 rpm", "0.1000", "1.100", "2.000"})
        EXPECT_TRUE(written.contains(QString::fromUtf8(value)))
            << written.join(" | ").toStdString();
    EXPECT_TRUE(written.contains(QStringLiteral("D569 (N·m)")));
    RecordingSurface empty; // an empty profile draws nothing
    EXPECT_FALSE(drawDriveProfile(empty, area, DriveProfile(), DisplayChoice(), texts()));
    EXPECT_TRUE(empty.records().isEmpty());
}

} // namespace
