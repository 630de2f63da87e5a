// The report of a project after a save and an open: drawn from the list read back, it is the
// report of the list that was saved, record for record.
#include "list/csvexport.h"
#include "list/projectfile.h"
#include "platform/recordingsurface.h"
#include "report/report.h"
#include "report_fixture.h"

#include <QDate>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

using namespace ostrel;

namespace {

QList<RecordingSurface::Record> reportOf(const PartsList& list) {
    RecordingSurface page;
    printReport(page, list, ostrel::testing::reportTexts(), QDate(2026, 3, 14));
    return page.records();
}

PartsList listOf(const ProjectRead& read) {
    PartsList list(QStringList(), QStringLiteral("Totals"));
    fillList(list, read);
    return list;
}

TEST(ProjectReport, TheSampleOfEveryKindGivesTheSameReportAndCsvAfterSaveAndOpen) {
    const ProjectRead sample =
        readProject(QStringLiteral(OSTREL_EXAMPLES_DIR "/every-kind.ostrel"));
    ASSERT_TRUE(sample.ok) << sample.error.toStdString();
    EXPECT_TRUE(sample.warning.isEmpty()) << sample.warning.toStdString();
    const PartsList first = listOf(sample);
    // Every kind, in both mass modes.
    std::set<std::pair<int, bool>> kinds;
    for (const ProjectLine& line : sample.project.lines)
        kinds.insert({line.code, line.totalMass});
    EXPECT_EQ(kinds.size(), sample.project.lines.size());
    for (int code = 1; code <= 20; ++code)
        EXPECT_TRUE(kinds.count({code, true})) << code;
    EXPECT_TRUE(kinds.count({1, false}) && kinds.count({20, false}));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("again.ostrel"));
    Project saved = projectFromList(first);
    saved.title = sample.project.title;
    ASSERT_TRUE(saveProject(saved, file).ok);
    const PartsList second = listOf(readProject(file));

    const auto records = reportOf(first);
    ASSERT_GT(records.size(), 100);
    EXPECT_TRUE(records == reportOf(second));
    EXPECT_EQ(csvText(second), csvText(first));

    // The comparison sees a change of one input.
    Project changed = saved;
    changed.lines.back().texts[0] = QStringLiteral("2");
    PartsList third;
    fillList(third, changed);
    EXPECT_FALSE(records == reportOf(third));
}

} // namespace
