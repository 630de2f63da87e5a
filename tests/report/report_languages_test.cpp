// The report in every shipped language (the build's translation store) and both digit choices,
// with a Drive block whose verdict, advice and note are whole sentences and a project title
// too long for one line: every text lies within the printable width, no two texts of a line
// overlap, the date stands two blanks at least after the heading's title, every caption is printed
// whole and every sentence and the title read whole across their lines.
#include "drive/drivetext.h"
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

const QDate Today(2026, 3, 14);

QStringList shippedLanguages() {
    TranslationStore store(QStringLiteral("report-languages"));
    if (!store.open(QStringLiteral(OSTREL_SHIPPED_LANG_DB))) return {};
    return availableLanguages(store);
}

QStringList textsOf(const QString& name) {
    TranslationStore store(QStringLiteral("report-languages"));
    Language language{name, {}};
    if (!store.open(QStringLiteral(OSTREL_SHIPPED_LANG_DB)) || !loadLanguage(store, language))
        return {};
    return language.texts;
}

// A load far above the ratio limit (the advice is printed), with friction (the coast-down note).
DriveInputs heavyDrive() {
    DriveInputs in;
    const std::pair<F, const char*> typed[] = {{F::MotorInertia, "0.0001"}, {F::Speed, "3000"},
                                               {F::AccelTime, "0.2"},       {F::ConstTime, "1"},
                                               {F::DecelTime, "0.2"},       {F::DwellTime, "0.5"}};
    for (const auto& [f, text] : typed)
        in.setText(f, QString::fromUtf8(text));
    return in;
}

double widthOf(const Record& r) {
    RecordingSurface measure;
    measure.setFont(r.fontName, r.fontSize);
    measure.setBold(r.bold);
    return measure.textWidth(r.text);
}

class ReportInEveryLanguage : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST(ReportLanguages, SixLanguagesShip) {
    EXPECT_EQ(shippedLanguages().size(), 6);
}

TEST_P(ReportInEveryLanguage, EveryTextIsWholeAndWithinThePrintableWidth) {
    const auto [index, significant] = GetParam();
    const QString name = shippedLanguages().value(index);
    const QStringList texts = textsOf(name);
    ASSERT_FALSE(texts.isEmpty()) << name.toStdString();
    SCOPED_TRACE(name.toStdString());

    PartsList list = allKinds();
    list.add(lineOf({1, "10", "0.05", "1", "1", "", "100", "", "20", "0.2", "0.3"}));
    const DriveInputs drive = heavyDrive();
    const QString title = QStringLiteral("Press line 4/5, operator side: the table axis on its "
                                         "ball screw, ") +
                          QStringLiteral("and its guards ").repeated(8);
    DisplayChoice display;
    if (significant) display.digits = Digits::Significant4;
    RecordingSurface page;
    ASSERT_EQ(printReport(page, list, texts, Today, display, &drive, title), ReportStatus::Printed);

    std::map<std::pair<int, long long>, QList<Record>> lines;
    std::map<int, QString> pageTexts;
    QString all;
    for (const Record& r : page.recordsOf(RecordingSurface::Kind::Text)) {
        EXPECT_GE(r.a.x(), -1e-6) << r.text.toStdString();
        EXPECT_LE(r.a.x() + widthOf(r), page.printableWidth() + 1e-6)
            << "page " << r.page << ": " << r.text.toStdString();
        lines[{r.page, std::llround(r.a.y() * 1000)}] << r;
        pageTexts[r.page] += QLatin1Char(' ') + r.text;
        all += QLatin1Char(' ') + r.text;
    }
    const QString date = shortDate(Today);
    for (auto& [where, records] : lines) {
        std::sort(records.begin(), records.end(),
                  [](const Record& a, const Record& b) { return a.a.x() < b.a.x(); });
        for (qsizetype i = 1; i < records.size(); ++i) {
            const Record& before = records[i - 1];
            const double gap = records[i].a.x() - before.a.x() - widthOf(before);
            EXPECT_GE(gap, -1e-6) << "page " << where.first << ": \"" << before.text.toStdString()
                                  << "\" runs into \"" << records[i].text.toStdString() << '"';
            // The heading: the date two blanks at least after the title.
            if (records[i].text == date && before.text == texts.value(69)) {
                EXPECT_GE(gap, 2 * page.charWidth() - 1e-6);
            }
        }
    }

    QStringList printedLines;
    for (const auto& l : page.textLines())
        printedLines << l.text;
    const QString joined = printedLines.join(QLatin1Char('\n'));
    std::vector<int> captions{35, 85, 71, 11, DriveEntry::RatioCaption};
    for (int i = 0; i < DriveInputs::FieldCount; ++i)
        captions.push_back(DriveEntry::FirstInput + i);
    for (int i = 0; i < static_cast<int>(DriveResult::Count); ++i)
        captions.push_back(DriveEntry::FirstResult + i);
    for (int entry : captions)
        EXPECT_TRUE(joined.contains(texts.value(entry))) << entry;
    for (int entry : {DriveEntry::VerdictAbove, DriveEntry::AboveAdvice, DriveEntry::CoastNote})
        EXPECT_TRUE(all.simplified().contains(texts.value(entry).simplified())) << entry;
    for (const auto& [number, text] : pageTexts)
        EXPECT_TRUE(text.simplified().contains(title.simplified())) << "page " << number;
}

INSTANTIATE_TEST_SUITE_P(SixLanguages, ReportInEveryLanguage,
                         ::testing::Combine(::testing::Range(0, 6), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<int, bool>>& info) {
                             return "Language" + std::to_string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) ? "Significant" : "Classic");
                         });

} // namespace
