// The report in every shipped language (the build's store) and both digit choices, with a Drive
// block whose verdict, advice and note are sentences, a Motor block that fails, and a title too
// long for one line: every
// text within the printable width, none running into the next, the date two blanks at least
// after the heading's title, every caption and sentence whole, the title on every page.
#include "drive/drivetext.h"
#include "drive/motortext.h"
#include "language/language.h"
#include "language/translationstore.h"
#include "platform/recordingsurface.h"
#include "report/report.h"
#include "report_fixture.h"

#include <QDate>
#include <gtest/gtest.h>
#include <map>

using namespace ostrel;
using namespace ostrel::testing;
using Record = RecordingSurface::Record;
using F = DriveInputs::Field;

namespace {

// The texts of the shipped language of that index (of six).
QStringList textsOf(int index) {
    TranslationStore store(QStringLiteral("report-languages"));
    if (!store.open(QStringLiteral(OSTREL_SHIPPED_LANG_DB))) return {};
    const QStringList names = availableLanguages(store);
    Language language{names.value(index), {}};
    if (names.size() != 6 || !loadLanguage(store, language)) return {};
    return language.texts;
}

double widthOf(const Record& r) {
    RecordingSurface measure;
    measure.setFont(r.fontName, r.fontSize);
    measure.setBold(r.bold);
    return measure.textWidth(r.text);
}

class ReportInEveryLanguage : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(ReportInEveryLanguage, EveryTextIsWholeAndWithinThePrintableWidth) {
    const auto [index, significant] = GetParam();
    const QStringList texts = textsOf(index);
    ASSERT_FALSE(texts.isEmpty());
    PartsList list = allKinds();
    list.add(lineOf({1, "10", "0.05", "1", "1", "", "100", "", "20", "0.2", "0.3"}));
    addMechanisms(list);
    DriveInputs drive; // far above the ratio limit, with friction: advice and note
                       // clang-format off
    for (const auto& [f, text] : {std::pair{F::MotorInertia, "0.0001"}, {F::Speed, "3000"},
                                  {F::AccelTime, "0.2"}, {F::DecelTime, "0.2"}})
        // clang-format on
        drive.setText(f, QLatin1String(text));
    const QString title = QStringLiteral("Press 4/5, the table axis ") +
                          QStringLiteral("on its ball screw and guards ").repeated(5);
    // A motor far too small: each check fails.
    const Motor tooSmall{"Servo motor of a rather long name, with its brake and encoder",
                         0.1,
                         0.3,
                         2000,
                         2500,
                         0.2,
                         0.0001,
                         0.00002,
                         100};
    const ChosenMotor motor{tooSmall, true};
    DisplayChoice display;
    if (significant) display.digits = Digits::Significant4;
    const QDate today(2026, 3, 14);
    RecordingSurface page;
    ASSERT_EQ(printReport(page, list, texts, today, display, &drive, title, &motor),
              ReportStatus::Printed);

    std::map<std::pair<int, long long>, QList<Record>> lines;
    std::map<int, QString> pages;
    for (const Record& r : page.recordsOf(RecordingSurface::Kind::Text)) {
        EXPECT_LE(r.a.x() + widthOf(r), page.printableWidth() + 1e-6) << r.text.toStdString();
        lines[{r.page, std::llround(r.a.y() * 1000)}] << r;
        pages[r.page] += QLatin1Char(' ') + r.text;
    }
    for (auto& [where, records] : lines) {
        std::sort(records.begin(), records.end(),
                  [](const Record& a, const Record& b) { return a.a.x() < b.a.x(); });
        for (qsizetype i = 1; i < records.size(); ++i) {
            const Record& before = records[i - 1];
            const bool heading = before.text == texts[69] && records[i].text == shortDate(today);
            EXPECT_GE(records[i].a.x() - before.a.x() - widthOf(before),
                      (heading ? 2 * page.charWidth() : 0) - 1e-6)
                << before.text.toStdString() << " | " << records[i].text.toStdString();
        }
    }
    QString all;
    for (const auto& [number, text] : pages) {
        EXPECT_TRUE(text.simplified().contains(title.simplified())) << "page " << number;
        all += text;
    }
    // clang-format off
    namespace D = DriveEntry;
    std::vector<int> whole{35, 85, 71, 11, D::RatioCaption, D::VerdictAbove, D::AboveAdvice,
                           D::CoastNote, D::BrakeHoldsLoad, D::BrakingNote, MotorEntry::Title,
                           MotorCheckEntry::Verdict, MotorCheckEntry::Fail};
    // clang-format on
    for (int i = 1; i < MotorFieldCount; ++i)
        whole.push_back(MotorEntry::FirstField + i);
    for (int i = 0; i < MotorCriterionCount; ++i)
        whole.push_back(MotorCheckEntry::FirstCriterion + i);
    for (int i = 0; i < DriveInputs::FieldCount; ++i)
        whole.push_back(DriveEntry::FirstInput + i);
    for (int i = 0; i < static_cast<int>(DriveResult::Count); ++i)
        whole.push_back(driveResultEntry(static_cast<DriveResult>(i)));
    for (int entry : whole)
        EXPECT_TRUE(all.simplified().contains(texts[entry].simplified())) << entry;
}

INSTANTIATE_TEST_SUITE_P(SixLanguages, ReportInEveryLanguage,
                         ::testing::Combine(::testing::Range(0, 6), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<int, bool>>& info) {
                             return "Language" + std::to_string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) ? "Significant" : "Classic");
                         });

} // namespace
