#include "list/csvexport.h"
#include "list/projectfile.h"
#include "listlines.h"
#include "solids/kinds.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>

using namespace ostrel;
using ostrel::testing::snapshot;

namespace {

// Inputs of one line of each kind that give results in both mass modes (the third text is
// then a density or a total mass).
// clang-format off
const char* const KindInputs[20] = {
    "1|1|7850||1000||100", "1|1|7850||1000|600|100", "1|1|7850||200||1000",
    "1|1|7850||200|100|1000", "1|1|7850||400|200|300", "1|1|10||1000||", "1|1|7850||1000|500|100",
    "1|1|7850|6|1000||100", "1|1|7850||500||", "1|1|7850|500|200||100", "1|1|7850|500|200|100|100",
    "1|1|7850|500|200||1000", "1|1|7850|500|200|100|1000", "1|1|7850|500|200||",
    "1|1|7850|500|200|100|50", "1|1|20|300|||", "2|2||12.5|3|4.2|", "1|1|100||500|50|0.1",
    "1|1|10|200|||", "1|1|7850||1000|100|"};
// clang-format on

ProjectLine projectLine(int code, bool totalMass, const char* texts) {
    return {code, totalMass, ostrel::testing::inputTexts(texts), {}};
}

// The lines of every kind in both modes that the calculation accepts, and a line added before
// any kind was chosen (mass only).
Project everyKind() {
    Project project;
    project.title = QStringLiteral("Drive \"A\", line 2 — été");
    project.author = QStringLiteral("R. Müller");
    project.notes = QStringLiteral("first line\nsecond line, with a comma");
    for (int code = 1; code <= 20; ++code)
        for (bool total : {true, false}) {
            ProjectLine line = projectLine(code, total, KindInputs[code - 1]);
            const CalcInputs in{line.code, line.totalMass, line.texts};
            if (calculatePart(in).kind == CalcOutcome::Kind::Results) project.lines.push_back(line);
        }
    project.lines.push_back(projectLine(0, true, "3|1|10||||"));
    return project;
}

// A project file with one disc line whose object members can be replaced or dropped.
QJsonObject discLineObject() {
    return QJsonDocument::fromJson(
               R"({"code":1,"totalMass":false,"inputs":{"quantity":"1","ratio":"1",
                   "massOrDensity":"7850","dimension1":"","dimension2":"1000","dimension3":"",
                   "dimension4":"100"}})")
        .object();
}

QJsonObject rootWith(const QJsonArray& lines) {
    return QJsonObject{{"format", "ostrel-project"}, {"version", 1}, {"lines", lines}};
}

QByteArray bytesOf(const QJsonObject& root) {
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QByteArray withLine(const std::function<void(QJsonObject&)>& change) {
    QJsonObject line = discLineObject();
    change(line);
    return bytesOf(rootWith({line}));
}

QByteArray withRoot(const std::function<void(QJsonObject&)>& change) {
    QJsonObject root = rootWith({discLineObject()});
    change(root);
    return bytesOf(root);
}

QByteArray manyLines(int count) {
    return R"({"format":"ostrel-project","version":1,"lines":[)" +
           QByteArrayList(count, bytesOf(discLineObject())).join(',') + "]}";
}

PartsList listOf(const Project& project) {
    PartsList list(QStringList(), QStringLiteral("Totals"));
    fillList(list, project);
    return list;
}

// ---- Mechanisms ----

// Each mechanism's line as files hold it: its code, its name and every input by its stored
// key, no mass mode and, from a script, no results and members of its own. Read back with
// every input and recomputed, kept whole through the list, and written again the same; an
// input the file lacks reads as an empty box.
TEST(ProjectMechanisms, EachKindKeepsEveryInputByNameThroughTheFileAndTheList) {
    // clang-format off
    const QByteArray lines[] = {
        R"({"code":21,"kind":"Screw","inputs":{"quantity":"1","ratio":"1","mass":"250","lead":"10","screwDiameter":"20","screwLength":"1000","density":"7850","friction":"0.1","angle":"90","force":"500","counterweight":"100"}})",
        R"({"code":22,"kind":"Rack","inputs":{"quantity":"2","ratio":"2","mass":"400","pitchDiameter":"100","pinionWidth":"40","density":"7850","friction":"0.02","angle":"30","force":"150"}})",
        R"({"code":23,"kind":"Belt","inputs":{"quantity":"2","ratio":"3","mass":"12","beltMass":"0.8","pulleyDiameter":"60","pulleyWidth":"30","density":"2700","pulleys":"3","friction":"0.1","angle":"30","force":"20"}})"};
    const char* const texts[] = {"1|1|250|10|20|1000|7850|0.1|90|500|100",
                                 "2|2|400|100|40|7850|0.02|30|150",
                                 "2|3|12|0.8|60|30|2700|3|0.1|30|20"};
    // clang-format on
    const auto file = [&lines](const QByteArray& first) {
        return R"({"format":"ostrel-project","version":1,"writtenBy":"a script","lines":[)" +
               first + "," + lines[1] + "," + lines[2] + "]}";
    };
    const ProjectRead read = parseProject(file(lines[0]), QStringLiteral("axes.ostrel"));
    ASSERT_TRUE(read.ok && read.warning.isEmpty()) << read.error.toStdString();
    const QJsonArray written =
        QJsonDocument::fromJson(projectJson(projectFromList(listOf(read.project))))["lines"]
            .toArray();
    for (int k = 0; k < 3; ++k) {
        const ProjectLine& line = read.project.lines[std::size_t(k)];
        EXPECT_EQ(line.texts, ostrel::testing::inputTexts(texts[k])) << k;
        EXPECT_EQ(line.exact, calculatePart({21 + k, true, line.texts}).values) << k;
        QJsonObject object = written[k].toObject();
        EXPECT_TRUE(object.contains("results")) << k;
        object.remove("results");
        EXPECT_EQ(object, QJsonDocument::fromJson(lines[k]).object()) << k;
    }
    const ProjectRead without =
        parseProject(file(QByteArray(lines[0]).replace(R"(,"force":"500")", "")), "axes.ostrel");
    ASSERT_TRUE(without.ok) << without.error.toStdString();
    InputTexts noThrust = ostrel::testing::inputTexts(texts[0]);
    noThrust[9].clear();
    EXPECT_EQ(without.project.lines[0].texts, noThrust);
    EXPECT_EQ(without.project.lines[0].exact, calculatePart({21, true, noThrust}).values);
}

// ---- Bad input ----

struct BadInput {
    std::string name;
    std::function<QByteArray()> bytes;
    int entry;          // the fault's translation entry
    const char* detail; // a part of the message that names the fault's place
};

void PrintTo(const BadInput& row, std::ostream* os) {
    *os << row.name;
}

class ProjectBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(ProjectBadInput, IsRefusedWithAMessageNamingTheFileAndTheFault) {
    const BadInput& row = GetParam();
    const QString fileName = QStringLiteral("/home/eng/drive 7.ostrel");
    const ProjectRead read = parseProject(row.bytes(), fileName);
    ASSERT_FALSE(read.ok);
    EXPECT_TRUE(read.project.lines.empty());
    EXPECT_TRUE(read.error.contains(fileName)) << read.error.toStdString();
    EXPECT_TRUE(read.error.contains(QString::fromUtf8(row.detail))) << read.error.toStdString();
    ASSERT_GE(read.errorMessage.size(), 3u);
    EXPECT_EQ(read.errorMessage[0].entry, 480);
    EXPECT_EQ(read.errorMessage[2].entry, row.entry) << read.error.toStdString();
    EXPECT_EQ(englishMessage(read.errorMessage), read.error);
}

const QByteArray Valid = bytesOf(rootWith({discLineObject()}));

// A chosen motor as the window writes it.
QJsonObject motorObject() {
    return QJsonObject{{"name", "Example 400 W"}, {"ratedTorque", 1.2}, {"peakTorque", 3.6},
                       {"ratedSpeed", 3000},      {"maxSpeed", 6000},   {"rotorInertia", 5e-5},
                       {"brakeInertia", 1e-5},    {"withBrake", true}};
}
QByteArray withMotor(const std::function<void(QJsonObject&)>& change) {
    QJsonObject motor = motorObject();
    change(motor);
    return withRoot([&motor](QJsonObject& r) { r["motor"] = motor; });
}

// One row for each kind of bad input, and one more where a fault comes in two forms.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Reader, ProjectBadInput, ::testing::Values(
    BadInput{"OnlyBlanks", [] { return QByteArray(" \r\n\t "); }, 482, ""},
    BadInput{"Truncated", [] { return Valid.left(Valid.size() / 2); }, 481, "byte"},
    BadInput{"ResultBeyondDoubles", [] { return withLine([](QJsonObject& l) {
        l["results"] = QJsonObject{{"mass_kg", 1}, {"inertia_kg_m2", 1}, {"friction_N_m", 0}, {"working_N_m", 0}}; })
        .replace("\"mass_kg\":1", "\"mass_kg\":1e999"); }, 481, "byte"},
    BadInput{"AnotherFormat", [] { return withRoot([](QJsonObject& r) { r["format"] = "drive-sizer"; }); }, 486, "drive-sizer"},
    BadInput{"NewerVersion", [] { return withRoot([](QJsonObject& r) { r["version"] = 2; }); }, 487, "2"},
    BadInput{"FractionalVersion", [] { return withRoot([](QJsonObject& r) { r["version"] = 1.5; }); }, 490, "version"},
    BadInput{"LineAsNumber", [] { return bytesOf(rootWith({discLineObject(), 5})); }, 490, "line 2"},
    BadInput{"MissingOneInput", [] { return withLine([](QJsonObject& l) {
        QJsonObject in = l["inputs"].toObject(); in.remove("dimension4"); l["inputs"] = in; }); }, 490, "inputs.dimension4"},
    BadInput{"KindTwentyFour", [] { return withLine([](QJsonObject& l) { l["code"] = 24; }); }, 491, "code 24"},
    BadInput{"InputsGiveNoResult", [] { return withLine([](QJsonObject& l) {
        QJsonObject in = l["inputs"].toObject(); in["quantity"] = "0"; l["inputs"] = in; }); }, 495, "line 1"},
    BadInput{"HundredThousandLines", [] { return manyLines(100000); }, 492, "lines (100000 > 20000)"},
    BadInput{"LargerThanTheLimit", [] { return QByteArray(ProjectLimits::MaxFileBytes + 1, ' '); }, 485, ""},
    BadInput{"AbsurdResult", [] { return withLine([](QJsonObject& l) {
        l["results"] = QJsonObject{{"mass_kg", 1}, {"inertia_kg_m2", -1e200}, {"friction_N_m", 0}, {"working_N_m", 0}}; }); }, 494, "results.inertia_kg_m2"},
    BadInput{"DuplicateEscapedName", [] { return QByteArray(Valid).replace("\"code\":1", "\"code\":1,\"co\\u0064e\":2"); }, 489, "code"},
    BadInput{"EncodedSurrogate", [] { return QByteArray(Valid).replace("7850", "\xed\xa0\x80"); }, 488, ""},
    BadInput{"CutSequenceAtTheEnd", [] { return Valid + "\xe2\x82"; }, 488, ""},
    BadInput{"RawNulInAnInput", [] { return QByteArray(Valid).replace("7850", QByteArray("78\0" "50", 5)); }, 583, "line 1, inputs.massOrDensity"},
    BadInput{"EscapedNulInTheTitle", [] { return withRoot([](QJsonObject& r) { r["title"] = QStringLiteral("a") + QChar(0) + QStringLiteral("b"); }); }, 583, "title"},
    BadInput{"KindDisagreesWithItsCode", [] { return withLine([](QJsonObject& l) { l["kind"] = "Arbre"; }); }, 582, "line 1, kind \"Arbre\", code 1"},
    BadInput{"ScrewNamedAsADisc", [] { return withLine([](QJsonObject& l) { l["code"] = 21; l["kind"] = "Plateau"; }); }, 582, "kind \"Plateau\", code 21"},
    BadInput{"MechanismInputNotAText", [] { return withLine([](QJsonObject& l) {
        l["code"] = 22; l["kind"] = "Rack"; QJsonObject in = l["inputs"].toObject(); in["pitchDiameter"] = 100; l["inputs"] = in; }); }, 490, "inputs.pitchDiameter"},
    BadInput{"DriveInputBeyondTheLimit", [] { return withRoot([](QJsonObject& r) { r["drive"] = QJsonObject{{"speed", QString(257, u'9')}}; }); }, 492, "drive.speed (257 > 256)"},
    BadInput{"AstralCharactersBeyondTheLimit", [] { return withLine([](QJsonObject& l) {
        QJsonObject in = l["inputs"].toObject(); in["dimension1"] = QString::fromUcs4(U"\U0001D7CE").repeated(257); l["inputs"] = in; }); }, 492, "inputs.dimension1 (257 > 256)"},
    BadInput{"MotorNotAnObject", [] { return withRoot([](QJsonObject& r) { r["motor"] = "Example 400 W"; }); }, 490, "motor"},
    BadInput{"MotorWithoutRotorInertia", [] { return withMotor([](QJsonObject& m) { m.remove("rotorInertia"); }); }, 490, "motor.rotorInertia"},
    BadInput{"MotorPeakBelowRated", [] { return withMotor([](QJsonObject& m) { m["peakTorque"] = 0.5; }); }, 494, "motor.peakTorque"},
    BadInput{"MotorBrakeNeitherYesNorNo", [] { return withMotor([](QJsonObject& m) { m["withBrake"] = "yes"; }); }, 490, "motor.withBrake"},
    BadInput{"MotorNameOnTwoLines", [] { return withMotor([](QJsonObject& m) { m["name"] = "A\nB"; }); }, 583, "motor.name"}),
    ostrel::testing::rowName<BadInput>);
// clang-format on

// ---- Files ----

class ProjectFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
};

TEST_F(ProjectFiles, FoldersMissingFilesPipesLoopsAndUnreadableFilesAreRefusedByName) {
    const QString pipe = path("pipe.ostrel");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    QString unreadable = path("locked.ostrel");
    ASSERT_TRUE(saveExport(Valid, unreadable).ok);
    QFile::setPermissions(unreadable, QFileDevice::Permissions());
    // The superuser reads anything: a file of the kernel that fails on read stands in.
    if (QFile f(unreadable); f.open(QIODevice::ReadOnly))
        unreadable = QStringLiteral("/proc/self/mem");
    QFile::link(path("loop2"), path("loop1"));
    QFile::link(path("loop1"), path("loop2"));
    const std::pair<QString, int> cases[] = {{dir.path(), 483},
                                             {path("missing.ostrel"), 484},
                                             {pipe, 484},
                                             {unreadable, 484},
                                             {path("loop1"), 580}};
    for (const auto& [file, entry] : cases) {
        const ProjectRead read = readProject(file);
        EXPECT_FALSE(read.ok) << file.toStdString();
        EXPECT_TRUE(read.error.contains(file)) << read.error.toStdString();
        ASSERT_GE(read.errorMessage.size(), 3u);
        EXPECT_EQ(read.errorMessage[2].entry, entry) << read.error.toStdString();
    }
}

// ---- Round trip ----

// Every kind in both modes, texts as typed, the title, author, notes, drive inputs and chosen
// motor through a saved file: the same project, rows, totals and CSV.
TEST_F(ProjectFiles, EveryKindInBothModesComesBackWithTheSameRowsTotalsAndCsv) {
    Project project = everyKind();
    project.lines.push_back(projectLine(1, false, " 1,5| 1 |7850.000||1E3||100 mm"));
    const PartsList first = listOf(project);
    ASSERT_EQ(first.partCount(), int(project.lines.size()));
    Project saved = projectFromList(first);
    saved.title = project.title;
    saved.author = project.author;
    saved.notes = project.notes;
    saved.drive = QJsonObject{{"motor", "4 kW"}, {"speeds", QJsonArray{1450, 2900}}};
    saved.motor = motorObject();
    ASSERT_TRUE(saveProject(saved, path("every kind.ostrel")).ok);
    const ProjectRead read = readProject(path("every kind.ostrel"));
    ASSERT_TRUE(read.ok && read.warning.isEmpty()) << read.error.toStdString();
    EXPECT_EQ(projectJson(read.project), projectJson(saved));
    const PartsList second = listOf(read.project);
    EXPECT_EQ(snapshot(second), snapshot(first));
    EXPECT_EQ(csvText(second), csvText(first));
}

// ---- Stored results ----

// Stored results never stand against the recomputed ones: a difference beyond the last bit of
// another machine or the rounding of a caption is reported once, naming the line. A line whose
// inputs give no result (a quantity of 0 typed after results showed) keeps its stored results,
// is named, and comes back the same from a project made of the list.
TEST(ProjectStoredResults, RecomputedResultsStandAndDifferencesAreNamedByLine) {
    const std::array<double, 4> disc =
        ostrel::testing::calculate(1, false, "1|1|7850||1000||100").values;
    const struct {
        const char* name;
        const char* quantity; // of line 2
        double stored;        // its stored inertia
        int warning;          // the warning's entry, 0 for none
        double exact;         // its inertia once read
    } rows[] = {{"LastBitOfAnotherMachine", "1", std::nextafter(disc[1], 0.0), 0, disc[1]},
                {"CaptionOfAListWithoutExactValues", "1", 77.07, 0, disc[1]},
                {"HandEdited", "1", 770.707, 496, disc[1]},
                {"CaptionRoundedOtherwise", "1", 77.1, 496, disc[1]},
                {"InputsGiveNoResult", "0", 77.07, 493, 77.07}};
    for (const auto& row : rows) {
        QJsonArray lines;
        for (int i = 0; i < 3; ++i) {
            QJsonObject line = discLineObject(), in = line["inputs"].toObject();
            in["quantity"] = i == 1 ? row.quantity : "1";
            line["inputs"] = in;
            line["results"] = QJsonObject{{"mass_kg", disc[0]},
                                          {"inertia_kg_m2", i == 1 ? row.stored : disc[1]},
                                          {"friction_N_m", 0},
                                          {"working_N_m", 0}};
            lines.append(line);
        }
        const ProjectRead read = parseProject(bytesOf(rootWith(lines)), QStringLiteral("q.ostrel"));
        ASSERT_TRUE(read.ok) << row.name << read.error.toStdString();
        EXPECT_EQ(read.project.lines[1].exact[1], row.exact) << row.name;
        EXPECT_EQ(read.project.lines[2].exact[1], disc[1]) << row.name;
        EXPECT_EQ(read.warningMessage.empty() ? 0 : read.warningMessage[0].entry, row.warning);
        EXPECT_EQ(read.warning.contains(QStringLiteral("Lines: 2\nq.ostrel")), row.warning != 0)
            << read.warning.toStdString();
        PartsList list(QStringList(), QStringLiteral("Totals"));
        fillList(list, read);
        EXPECT_EQ(list.cell(2, 6), row.quantity);
        EXPECT_EQ(snapshot(listOf(projectFromList(list))), snapshot(list)) << row.name;
    }
}

// Every text at its limit in characters, four bytes of UTF-8 each where the text is free, and
// the numbers padded with zeros to the limit: the largest project the window lets a user make.
TEST_F(ProjectFiles, TheLargestProjectTheWindowAllowsSavesAndOpensAgain) {
    const QString astral = QString::fromUcs4(U"\U0001D7CE");
    const auto padded = [](const char* number) {
        return QString(ProjectLimits::MaxInputText - qsizetype(strlen(number)), u'0') +
               QLatin1String(number);
    };
    Project project;
    project.title = project.author = astral.repeated(ProjectLimits::MaxTitleText);
    project.notes = (astral.repeated(99) + QStringLiteral("\n")).repeated(1000);
    project.drive = QJsonObject{{"speed", padded("1500")}, {"note", astral.repeated(256)}};
    ProjectLine line{1,
                     false,
                     {padded("1"), padded("1"), padded("7850"), astral.repeated(256),
                      padded("1000"), astral.repeated(256), padded("100")}};
    line.exact = calculatePart({line.code, line.totalMass, line.texts}).values;
    project.lines.assign(ProjectLimits::MaxLines, line);

    const ProjectSave save = saveProject(project, path("largest.ostrel"));
    ASSERT_TRUE(save.ok) << save.error.toStdString();
    const ProjectRead read = readProject(path("largest.ostrel"));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_TRUE(read.project.lines.size() == project.lines.size() &&
                read.project.lines.back().texts == line.texts &&
                read.project.notes == project.notes && read.project.drive == project.drive);
}

// A save refused, for what the reader would refuse or where the file cannot go, names the path
// and the fault; the old file stays whole and no temporary file is left.
TEST_F(ProjectFiles, ASaveThatFailsNamesThePathAndTheFaultAndKeepsTheOldFile) {
    const Project fine = everyKind();
    const QString file = path("kept.ostrel");
    ASSERT_TRUE(saveProject(fine, file).ok);
    // clang-format off
    const struct { std::function<void(Project&)> change; QString target; int entry; } rows[] = {
        {[](Project& p) { p.lines.resize(ProjectLimits::MaxLines + 1, p.lines[0]); }, file, 492},
        {[](Project& p) { p.lines[3].texts[4] += QString(257, u'0'); }, file, 492},
        {[](Project& p) { p.notes = QString(ProjectLimits::MaxNotesText + 1, u'n'); }, file, 492},
        {[](Project& p) { p.author = QStringLiteral("a\x1b"); }, file, 583},
        {[](Project& p) { p.lines[0].texts[0] = "abc"; p.lines[0].exact[1] = 1e300; }, file, 495},
        {[](Project& p) { p.motor = motorObject(); p.motor["maxSpeed"] = 100; }, file, 494},
        {[](Project&) {}, path("vanished/p.ostrel"), 0},
        {[](Project&) {}, dir.path(), 483}};
    // clang-format on
    for (const auto& row : rows) {
        Project bad = fine;
        row.change(bad);
        const ProjectSave save = saveProject(bad, row.target);
        EXPECT_TRUE(!save.ok && save.error.contains(row.target)) << save.error.toStdString();
        EXPECT_EQ(save.errorMessage.at(0).entry, 497);
        EXPECT_TRUE(row.entry == 0 ||
                    std::any_of(save.errorMessage.begin(), save.errorMessage.end(),
                                [&](auto& piece) { return piece.entry == row.entry; }))
            << save.error.toStdString();
        QFile kept(file);
        EXPECT_TRUE(kept.open(QIODevice::ReadOnly) && kept.readAll() == projectJson(fine));
    }
    EXPECT_EQ(saveExport("a,b\r\n", path("vanished/x.csv")).errorMessage.at(0).entry, 498);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 1);
}

TEST(ProjectLists, ARefusedReadLeavesTheListAsItWas) {
    PartsList list = listOf(everyKind());
    const QStringList before = snapshot(list);
    fillList(list, parseProject("{", QStringLiteral("p")));
    EXPECT_EQ(snapshot(list), before);
}

} // namespace
