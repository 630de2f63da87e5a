#include "list/csvexport.h"
#include "list/projectfile.h"
#include "solids/catalogue.h"
#include "solids/kinds.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

using namespace ostrel;

namespace {

template <class R> std::string byName(const ::testing::TestParamInfo<R>& info) {
    return info.param.name;
}

// Inputs of one line of each kind that give results in both mass modes (the third text is
// then a density or a total mass): "quantity|ratio|mass|R|D|d|H".
const char* const KindInputs[20] = {"1|1|7850||1000||100",
                                    "1|1|7850||1000|600|100",
                                    "1|1|7850||200||1000",
                                    "1|1|7850||200|100|1000",
                                    "1|1|7850||400|200|300",
                                    "1|1|10||1000||",
                                    "1|1|7850||1000|500|100",
                                    "1|1|7850|6|1000||100",
                                    "1|1|7850||500||",
                                    "1|1|7850|500|200||100",
                                    "1|1|7850|500|200|100|100",
                                    "1|1|7850|500|200||1000",
                                    "1|1|7850|500|200|100|1000",
                                    "1|1|7850|500|200||",
                                    "1|1|7850|500|200|100|50",
                                    "1|1|20|300|||",
                                    "2|2||12.5|3|4.2|",
                                    "1|1|100||500|50|0.1",
                                    "1|1|10|200|||",
                                    "1|1|7850||1000|100|"};

ProjectLine projectLine(int code, bool totalMass, const char* texts) {
    ProjectLine line;
    line.code = code;
    line.totalMass = totalMass;
    const QStringList t = QString::fromUtf8(texts).split(u'|');
    for (int i = 0; i < int(MaxInputs) && i < t.size(); ++i)
        line.texts[size_t(i)] = t[i];
    return line;
}

// The lines of every kind in both modes that the calculation accepts.
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
    return project;
}

// A project file with one disc line whose object members can be replaced or dropped.
QJsonObject discLineObject() {
    return QJsonObject{{"code", 1},
                       {"totalMass", false},
                       {"inputs", QJsonObject{{"quantity", "1"},
                                              {"ratio", "1"},
                                              {"massOrDensity", "7850"},
                                              {"dimension1", ""},
                                              {"dimension2", "1000"},
                                              {"dimension3", ""},
                                              {"dimension4", "100"}}}};
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
    QByteArray line = QJsonDocument(discLineObject()).toJson(QJsonDocument::Compact);
    QByteArray bytes = R"({"format":"ostrel-project","version":1,"lines":[)";
    for (int i = 0; i < count; ++i) {
        if (i) bytes += ',';
        bytes += line;
    }
    return bytes + "]}";
}

PartsList listOf(const Project& project) {
    PartsList list(QStringList(), QStringLiteral("Totals"));
    fillList(list, project);
    return list;
}

QStringList allCells(const PartsList& list) {
    QStringList cells;
    for (int row = 0; row < list.rowCount(); ++row) {
        for (int column = 0; column < PartsList::ColumnCount; ++column)
            cells << list.cell(row, column);
        cells << QString::number(list.image(row));
    }
    for (int column = 0; column < PartsList::TotalsCount; ++column)
        cells << list.total(column);
    return cells;
}

// ---- Mechanisms ----

// Each mechanism's line through the file: its code, its name and every input by its declared
// key, no mass mode; read back with every input and recomputed; kept whole through the list.
// An input the file lacks reads as an empty box.
TEST(ProjectMechanisms, EachKindKeepsEveryInputByNameThroughTheFileAndTheList) {
    const char* const inputs[] = {"1|1|250|10|20|1000|7850|0.1|90|500|100",
                                  "2|2|400|100|40|7850|0.02|30|150",
                                  "2|3|12|0.8|60|30|2700|3|0.1|30|20"};
    Project project;
    for (int code = 21; code <= 23; ++code) {
        project.lines.push_back(projectLine(code, true, inputs[code - 21]));
        ProjectLine& line = project.lines.back();
        line.exact = calculatePart({code, true, line.texts}).values;
    }
    QJsonObject root = QJsonDocument::fromJson(projectJson(project)).object();
    QJsonArray lines = root["lines"].toArray();
    for (size_t k = 0; k < 3; ++k) {
        const QJsonObject object = lines[qsizetype(k)].toObject();
        const int code = project.lines[k].code;
        EXPECT_EQ(object["kind"].toString(), QLatin1String(kindFileKey(code)));
        EXPECT_FALSE(object.contains("totalMass"));
        const auto declared = kindInputs(code);
        EXPECT_EQ(size_t(object["inputs"].toObject().size()), declared.size());
        for (size_t i = 0; i < declared.size(); ++i)
            EXPECT_EQ(object["inputs"][QLatin1String(declared[i].key)], project.lines[k].texts[i]);
    }
    const ProjectRead read = parseProject(bytesOf(root), QStringLiteral("axes.ostrel"));
    ASSERT_TRUE(read.ok && read.warning.isEmpty()) << read.error.toStdString();
    const Project again = projectFromList(listOf(read.project));
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(read.project.lines[k].texts, project.lines[k].texts) << k;
        EXPECT_EQ(again.lines[k].texts, project.lines[k].texts) << k;
        EXPECT_EQ(again.lines[k].exact, project.lines[k].exact) << k;
    }

    // The thrust left out: an empty box, and the line of no thrust.
    QJsonObject screw = lines[0].toObject(), in = screw["inputs"].toObject();
    in.remove("force");
    screw["inputs"] = in;
    screw.remove("results");
    lines[0] = screw;
    root["lines"] = lines;
    const ProjectRead without = parseProject(bytesOf(root), QStringLiteral("axes.ostrel"));
    ASSERT_TRUE(without.ok) << without.error.toStdString();
    InputTexts texts = project.lines[0].texts;
    texts[9].clear();
    EXPECT_EQ(without.project.lines[0].texts, texts);
    EXPECT_EQ(without.project.lines[0].exact, calculatePart({21, true, texts}).values);
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
    BadInput{"InputOfOneMegabyte", [] { return withLine([](QJsonObject& l) {
        QJsonObject in = l["inputs"].toObject(); in["dimension1"] = QString(1 << 20, u'9'); l["inputs"] = in; }); }, 492, "inputs.dimension1"},
    BadInput{"HundredThousandLines", [] { return manyLines(100000); }, 492, "lines (100000 > 20000)"},
    BadInput{"LargerThanTheLimit", [] { return QByteArray(ProjectLimits::MaxFileBytes + 1, ' '); }, 485, ""},
    BadInput{"AbsurdResult", [] { return withLine([](QJsonObject& l) {
        l["results"] = QJsonObject{{"mass_kg", 1}, {"inertia_kg_m2", -1e200}, {"friction_N_m", 0}, {"working_N_m", 0}}; }); }, 494, "results.inertia_kg_m2"},
    BadInput{"DuplicateEscapedName", [] { return QByteArray(Valid).replace("\"code\":1", "\"code\":1,\"co\\u0064e\":2"); }, 489, "code"},
    BadInput{"EncodedSurrogate", [] { return QByteArray(Valid).replace("7850", "\xed\xa0\x80"); }, 488, ""},
    BadInput{"CutSequenceAtTheEnd", [] { return Valid + "\xe2\x82"; }, 488, ""},
    BadInput{"RawNulInAnInput", [] { return QByteArray(Valid).replace("7850", QByteArray("78\0" "50", 5)); }, 583, "line 1, inputs.massOrDensity"},
    BadInput{"EscapedNulInTheTitle", [] { return withRoot([](QJsonObject& r) { r["title"] = QStringLiteral("a") + QChar(0) + QStringLiteral("b"); }); }, 583, "title"},
    BadInput{"BellInTheNotes", [] { return withRoot([](QJsonObject& r) { r["notes"] = "tab\tand\r\nbell\a"; }); }, 583, "notes"},
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
    byName<BadInput>);
// clang-format on

// ---- Files ----

class ProjectFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void write(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(ProjectFiles, FoldersMissingFilesPipesLoopsAndUnreadableFilesAreRefusedByName) {
    struct Case {
        QString path;
        int entry;
    };
    const QString pipe = path("pipe.ostrel");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    QString unreadable = path("locked.ostrel");
    write(unreadable, Valid);
    QFile::setPermissions(unreadable, QFileDevice::Permissions());
    // The superuser reads anything: a file of the kernel that fails on read stands in.
    if (QFile f(unreadable); f.open(QIODevice::ReadOnly))
        unreadable = QStringLiteral("/proc/self/mem");
    QFile::link(path("loop2"), path("loop1"));
    QFile::link(path("loop1"), path("loop2"));
    const Case cases[] = {{dir.path(), 483},
                          {path("missing.ostrel"), 484},
                          {pipe, 484},
                          {unreadable, 484},
                          {path("loop1"), 580}};
    for (const Case& c : cases) {
        const ProjectRead read = readProject(c.path);
        EXPECT_FALSE(read.ok) << c.path.toStdString();
        EXPECT_TRUE(read.error.contains(c.path)) << read.error.toStdString();
        ASSERT_GE(read.errorMessage.size(), 3u);
        EXPECT_EQ(read.errorMessage[2].entry, c.entry) << read.error.toStdString();
    }
}

// ---- Round trip ----

TEST_F(ProjectFiles, EveryKindInBothModesComesBackWithTheSameRowsTotalsAndCsv) {
    const Project project = everyKind();
    ASSERT_GE(project.lines.size(), 36u); // the kinds that offer no density drop that mode
    const PartsList first = listOf(project);
    ASSERT_EQ(first.partCount(), int(project.lines.size()));

    Project saved = projectFromList(first);
    saved.title = project.title;
    saved.author = project.author;
    saved.notes = project.notes;
    const QString file = path("every kind.ostrel");
    ASSERT_TRUE(saveProject(saved, file).ok);

    const ProjectRead read = readProject(file);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_TRUE(read.warning.isEmpty()) << read.warning.toStdString();
    EXPECT_EQ(read.project.title, project.title);
    EXPECT_EQ(read.project.author, project.author);
    EXPECT_EQ(read.project.notes, project.notes);

    const PartsList second = listOf(read.project);
    EXPECT_EQ(allCells(second), allCells(first));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(second.exactTotal(k), first.exactTotal(k));
        for (int row = 1; row < first.rowCount(); ++row)
            EXPECT_EQ(second.exactValue(row, k), first.exactValue(row, k));
    }
    EXPECT_EQ(csvText(second), csvText(first));
    EXPECT_EQ(projectJson(projectFromList(second)), projectJson(projectFromList(first)));
}

TEST(ProjectRoundTrip, TextsStayExactlyAsTypedAndTheDriveInputsAndMotorAsRead) {
    Project project;
    project.lines.push_back(projectLine(1, false, " 1,5| 1 |7850.000||1E3||100 mm"));
    project.drive = QJsonObject{{"motor", "4 kW"}, {"speeds", QJsonArray{1450, 2900}}};
    project.motor = motorObject();
    const ProjectRead read = parseProject(projectJson(project), QStringLiteral("t"));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.project.lines.at(0).texts, project.lines[0].texts);
    EXPECT_EQ(read.project.drive, project.drive);
    EXPECT_EQ(read.project.motor, project.motor);
    // A project the reader would refuse is never written.
    project.motor["maxSpeed"] = 100;
    EXPECT_FALSE(saveProject(project, QDir::temp().filePath("never.ostrel")).ok);
}

// ---- Stored results ----

TEST(ProjectStoredResults, RecomputedResultsStandAndDifferencesAreReportedOnceByLine) {
    struct Row {
        const char* name;
        double storedInertia; // the disc line computes 77.0707...
        bool differs;
    };
    const double computed = listOf(everyKind()).exactValue(2, 1); // disc, density mode
    const Row rows[] = {{"LastBitOfAnotherMachine", std::nextafter(computed, 0.0), false},
                        {"CaptionOfAListWithoutExactValues", 77.07, false},
                        {"HandEdited", 770.707, true},
                        {"CaptionRoundedOtherwise", 77.1, true}};
    for (const Row& row : rows) {
        QJsonArray lines;
        for (int i = 0; i < 3; ++i) {
            QJsonObject line = discLineObject();
            line["results"] = QJsonObject{{"mass_kg", listOf(everyKind()).exactValue(2, 0)},
                                          {"inertia_kg_m2", i == 1 ? row.storedInertia : computed},
                                          {"friction_N_m", 0},
                                          {"working_N_m", 0}};
            lines.append(line);
        }
        const ProjectRead read = parseProject(bytesOf(rootWith(lines)), QStringLiteral("p"));
        ASSERT_TRUE(read.ok) << row.name << read.error.toStdString();
        for (const ProjectLine& line : read.project.lines)
            EXPECT_EQ(line.exact[1], computed) << row.name;
        EXPECT_EQ(!read.warning.isEmpty(), row.differs) << row.name;
        if (row.differs) {
            EXPECT_TRUE(read.warning.contains(QStringLiteral("Lines: 2\n")))
                << read.warning.toStdString();
            EXPECT_EQ(read.warningMessage.at(0).entry, 496);
        }
    }
}

TEST(ProjectRoundTrip, ALineAddedBeforeAnyKindWasChosenComesBack) {
    // The editor adds a mass-only line while no kind is chosen; its project must open again.
    Project project;
    project.lines.push_back(projectLine(0, true, "3|1|10||||"));
    const PartsList first = listOf(project);
    ASSERT_EQ(first.partCount(), 1);
    const ProjectRead read = parseProject(projectJson(projectFromList(first)), QStringLiteral("p"));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(allCells(listOf(read.project)), allCells(first));
    EXPECT_EQ(read.project.lines.at(0).exact[0], 30);
}

TEST(ProjectStoredResults, ALineWhoseInputsGiveNoResultKeepsItsStoredResultsAndIsNamed) {
    // The editor adds the results of the last inputs that gave any: here a quantity of 0
    // typed after the results of a quantity of 1 were shown.
    QJsonArray lines;
    for (const char* quantity : {"1", "0", "1"}) {
        QJsonObject line = discLineObject();
        line["totalMass"] = true;
        line["inputs"] =
            QJsonObject{{"quantity", quantity}, {"ratio", "1"},         {"massOrDensity", "100"},
                        {"dimension1", ""},     {"dimension2", "1000"}, {"dimension3", ""},
                        {"dimension4", ""}};
        line["results"] = QJsonObject{
            {"mass_kg", 100}, {"inertia_kg_m2", 12.5}, {"friction_N_m", 0}, {"working_N_m", 0}};
        lines.append(line);
    }
    const ProjectRead read = parseProject(bytesOf(rootWith(lines)), QStringLiteral("q.ostrel"));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_TRUE(read.warning.contains(QStringLiteral("Lines: 2\nq.ostrel")))
        << read.warning.toStdString();
    EXPECT_EQ(read.warningMessage.at(0).entry, 493);
    PartsList list;
    fillList(list, read);
    ASSERT_EQ(list.partCount(), 3);
    // The row the window had shown: its results and the quantity as typed.
    EXPECT_EQ(list.cell(2, 1), QStringLiteral("100."));
    EXPECT_EQ(list.cell(2, 2), QStringLiteral("12.5"));
    EXPECT_EQ(list.cell(2, 6), QStringLiteral("0"));
    EXPECT_EQ(list.exactTotal(1), 37.5);
    // And it comes back the same from a project made of the list.
    PartsList again;
    fillList(again, projectFromList(list));
    EXPECT_EQ(allCells(again), allCells(list));
}

TEST(ProjectStoredResults, LinesWithoutResultsAndUnknownMembersAreAccepted) {
    QJsonObject root = rootWith({discLineObject()});
    root["writtenBy"] = "a script";
    const ProjectRead read = parseProject(bytesOf(root), QStringLiteral("p"));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_TRUE(read.warning.isEmpty());
    EXPECT_GT(read.project.lines.at(0).exact[1], 77);
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
    ProjectLine line = projectLine(1, false, "");
    line.texts = {padded("1"),    padded("1"),          padded("7850"), astral.repeated(256),
                  padded("1000"), astral.repeated(256), padded("100")};
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
    const QStringList before = allCells(list);
    fillList(list, parseProject("{", QStringLiteral("p")));
    EXPECT_EQ(allCells(list), before);
}

} // namespace
