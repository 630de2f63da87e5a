#include "list/projectfile.h"

#include "drive/motorcheck.h"
#include "platform/atomicfile.h"
#include "platform/filepaths.h"
#include "solids/catalogue.h"
#include "solids/kinds.h"
#include "solids/numbertext.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLocale>
#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <deque>
#include <limits>
#include <optional>

namespace ostrel {

namespace {

// Translation entries of the project messages; their English texts follow.
enum Entry : int {
    OpenFailed = 480,
    NotJson = 481,
    EmptyFile = 482,
    IsFolder = 483,
    Unreadable = 484,
    TooLarge = 485,
    OtherFormat = 486,
    NewerVersion = 487,
    BadUtf8 = 488,
    DuplicateKey = 489,
    BadField = 490,
    UnknownKind = 491,
    TextTooLong = 492,
    KeptResults = 493,
    AbsurdNumber = 494,
    NoResult = 495,
    Differences = 496,
    SaveFailed = 497,
    ExportFailed = 498,
    LineWord = 499,
    SymlinkLoop = 580,
    NotRegularFile = 581,
    KindMismatch = 582,
    ControlCharacter = 583,
    WouldNotOpen = 584,
};

struct EnglishText {
    int entry;
    const char* text;
};

constexpr EnglishText EnglishTexts[] = {
    {OpenFailed, "The project cannot be opened:"},
    {NotJson, "This is not a project file (not valid JSON): "},
    {EmptyFile, "The file is empty."},
    {IsFolder, "This is a folder, not a file."},
    {Unreadable, "The file cannot be read: "},
    {TooLarge, "The file is too large (bytes): "},
    {OtherFormat, "This is not an Ostrel project (format): "},
    {NewerVersion, "The project was written by a newer version of the program (version): "},
    {BadUtf8, "The file is not valid UTF-8 text (at byte): "},
    {DuplicateKey, "A name appears twice in one object: "},
    {BadField, "A field is missing or has the wrong type: "},
    {UnknownKind, "Unknown kind of solid: "},
    {TextTooLong, "A limit is exceeded: "},
    {KeptResults, "Lines whose inputs give no result keep the results stored in the file. Lines: "},
    {AbsurdNumber, "A number is out of range: "},
    {NoResult, "A line gives no result with its inputs: "},
    {Differences, "Stored results differ from the results computed again, which stand. Lines: "},
    {SaveFailed, "The project cannot be saved in this file:"},
    {ExportFailed, "The file cannot be written:"},
    {LineWord, "line "},
    {SymlinkLoop, "The path is a loop of symbolic links."},
    {NotRegularFile, "This is not a regular file (a device or a pipe): it is not replaced."},
    {KindMismatch, "The kind does not match the code: "},
    {ControlCharacter, "A text holds a control character: "},
    {WouldNotOpen, "The program would refuse to open it again: "},
};

const char* const InputKeys[7] = {"quantity",   "ratio",      "massOrDensity", "dimension1",
                                  "dimension2", "dimension3", "dimension4"};
const char* const ResultKeys[4] = {"mass_kg", "inertia_kg_m2", "friction_N_m", "working_N_m"};

// The member names of a line as QStrings, made once: a QJsonObject converts any other kind of
// name at every look-up and every insertion.
struct LineNames {
    QString code = QStringLiteral("code"), kind = QStringLiteral("kind"),
            totalMass = QStringLiteral("totalMass"), inputs = QStringLiteral("inputs"),
            results = QStringLiteral("results");
    std::array<QString, 7> input;
    std::array<QString, 4> result;
    LineNames() {
        for (size_t k = 0; k < input.size(); ++k)
            input[k] = QString::fromLatin1(InputKeys[k]);
        for (size_t k = 0; k < result.size(); ++k)
            result[k] = QString::fromLatin1(ResultKeys[k]);
    }
};

const LineNames& lineNames() {
    static const LineNames names;
    return names;
}

// A refusal under construction: the fault entry, the line it concerns (from 0; -1 for none)
// and its detail (field names, numbers).
struct Fault {
    int entry = 0;
    QString detail;
    qsizetype line = -1;
};

// ---- UTF-8 ----

// The offset of the first byte that is not part of well-formed UTF-8 (no overlong forms, no
// surrogates, nothing beyond U+10FFFF), or -1.
qsizetype invalidUtf8At(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        // Eight plain ASCII bytes at a time: a project is nearly all of them.
        while (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, p + i, sizeof word);
            if (word & 0x8080808080808080ULL) break;
            i += 8;
        }
        if (i >= n) break;
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        unsigned char lo = 0x80, hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            if (c == 0xE0) lo = 0xA0;
            if (c == 0xED) hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            if (c == 0xF0) lo = 0x90;
            if (c == 0xF4) hi = 0x8F;
        } else {
            return i;
        }
        if (i + extra >= n) return i;
        if (p[i + 1] < lo || p[i + 1] > hi) return i;
        for (int k = 2; k <= extra; ++k)
            if (p[i + k] < 0x80 || p[i + k] > 0xBF) return i;
        i += extra + 1;
    }
    return -1;
}

// ---- Duplicate names ----

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The escapes of a JSON string's bytes (without its quotes) decoded, as UTF-8.
QByteArray unescaped(QByteArrayView raw) {
    QString text;
    const qsizetype end = raw.size();
    for (qsizetype k = 0; k < end; ++k) {
        if (raw[k] != '\\' || k + 1 >= end) {
            // A run of plain bytes at once, so that multi-byte characters stay whole.
            qsizetype run = k + 1;
            while (run < end && raw[run] != '\\')
                ++run;
            text += QString::fromUtf8(raw.sliced(k, run - k));
            k = run - 1;
            continue;
        }
        const char e = raw[++k];
        switch (e) {
        case 'b':
            text += QChar(u'\b');
            break;
        case 'f':
            text += QChar(u'\f');
            break;
        case 'n':
            text += QChar(u'\n');
            break;
        case 'r':
            text += QChar(u'\r');
            break;
        case 't':
            text += QChar(u'\t');
            break;
        case 'u': {
            int code = 0;
            for (int h = 1; h <= 4 && k + h < end; ++h)
                code = code * 16 + std::max(0, hexValue(raw[k + h]));
            k += 4;
            text += QChar(char16_t(code));
            break;
        }
        default:
            text += QChar::fromLatin1(e);
            break;
        }
    }
    return text.toUtf8();
}

// The names of one object seen so far. Plain names are views of the file's bytes; names
// with escapes are decoded first, so that "code" and "co\u0064e" are the same name. Small
// objects (every object of a project) are searched in order; a large one gets a hash set.
class ObjectNames {
public:
    void clear() {
        views_.clear();
        decoded_.clear();
        large_.clear();
    }
    // False when the name was there already.
    bool insert(QByteArrayView name) {
        if (views_.size() < SmallObject) {
            for (QByteArrayView seen : views_)
                if (seen == name) return false;
            views_.push_back(name);
            return true;
        }
        if (large_.isEmpty())
            for (QByteArrayView seen : views_)
                large_.insert(seen.toByteArray());
        views_.push_back(name);
        const qsizetype before = large_.size();
        large_.insert(name.toByteArray());
        return large_.size() != before;
    }
    // Storage for a decoded name that must outlive the scan of its object.
    QByteArrayView keep(QByteArray decoded) {
        decoded_.push_back(std::move(decoded));
        return decoded_.back();
    }

private:
    static constexpr size_t SmallObject = 32;
    std::vector<QByteArrayView> views_;
    std::deque<QByteArray> decoded_;
    QSet<QByteArray> large_;
};

// The first name that appears twice in one object of a well-formed JSON text, or nothing.
// The reader of Qt keeps one of the two silently; a project must not mean two things.
std::optional<QString> duplicateName(const QByteArray& bytes) {
    struct Frame {
        bool object = false;
        bool expectName = false;
        ObjectNames names;
    };
    // Frames are kept and reused as the depth goes up and down: no allocation per object.
    std::deque<Frame> frames;
    size_t depth = 0;
    const char* const data = bytes.constData();
    const qsizetype n = bytes.size();
    // The bytes that matter to the structure; everything else is skipped in a tight loop.
    static const std::array<bool, 256> structural = [] {
        std::array<bool, 256> table{};
        for (unsigned char c : {'"', '{', '[', '}', ']', ','})
            table[c] = true;
        return table;
    }();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && !structural[static_cast<unsigned char>(data[i])])
            ++i;
        if (i >= n) break;
        const char c = data[i];
        if (c == '"') {
            const qsizetype start = ++i;
            bool escaped = false;
            while (i < n && data[i] != '"') {
                if (data[i] == '\\') {
                    escaped = true;
                    ++i;
                }
                ++i;
            }
            const QByteArrayView raw(data + start, std::min(i, n) - start);
            ++i;
            if (depth > 0 && frames[depth - 1].object && frames[depth - 1].expectName) {
                Frame& frame = frames[depth - 1];
                frame.expectName = false;
                const QByteArrayView name = escaped ? frame.names.keep(unescaped(raw)) : raw;
                if (!frame.names.insert(name)) return QString::fromUtf8(name);
            }
            continue;
        }
        if (c == '{' || c == '[') {
            if (depth == frames.size()) frames.emplace_back();
            Frame& frame = frames[depth++];
            frame.object = c == '{';
            frame.expectName = frame.object;
            frame.names.clear();
        } else if (c == '}' || c == ']') {
            if (depth > 0) --depth;
        } else if (c == ',') {
            if (depth > 0 && frames[depth - 1].object) frames[depth - 1].expectName = true;
        }
        ++i;
    }
    return std::nullopt;
}

// ---- Fields ----

enum class TextKind { Line, Notes };

// A text that breaks the limits of its field: a control character (notes may hold tabs and
// line breaks), or more characters than the limit.
std::optional<Fault> textFault(QStringView text, const QString& field, qsizetype limit,
                               TextKind kind, qsizetype line = -1) {
    if (hasControlCharacter(text, kind == TextKind::Notes))
        return Fault{ControlCharacter, field, line};
    if (text.size() > limit) {
        const qsizetype count = characterCount(text);
        if (count > limit)
            return Fault{TextTooLong,
                         QStringLiteral("%1 (%2 > %3)").arg(field).arg(count).arg(limit), line};
    }
    return std::nullopt;
}

// The texts of the drive inputs: each a line of an input box.
std::optional<Fault> driveFault(const QJsonObject& drive) {
    for (auto it = drive.constBegin(); it != drive.constEnd(); ++it)
        if (it->isString())
            if (auto fault = textFault(it->toString(), QStringLiteral("drive.") + it.key(),
                                       ProjectLimits::MaxInputText, TextKind::Line))
                return fault;
    return std::nullopt;
}

// The chosen motor: data a motor of the user's list could hold, and a yes or no brake.
std::optional<Fault> motorFault(const QJsonObject& motor) {
    if (motor.isEmpty()) return std::nullopt;
    const QJsonValue brake = motor.value(QLatin1String("withBrake"));
    if (!brake.isUndefined() && !brake.isBool())
        return Fault{BadField, QStringLiteral("motor.withBrake")};
    MotorFault fault;
    if (chosenMotorFromJson(motor, &fault)) return std::nullopt;
    const QString field = QStringLiteral("motor.") + motorFieldKey(fault.field);
    switch (fault.problem) {
    case MotorProblem::Missing:
    case MotorProblem::NotANumber:
        return Fault{BadField, field};
    case MotorProblem::NameNotPlain:
        return Fault{ControlCharacter, field};
    default:
        return Fault{AbsurdNumber, field};
    }
}

bool finiteInRange(double v) {
    return std::isfinite(v) && std::fabs(v) <= ProjectLimits::MaxMagnitude;
}

// A free text of the project (title, author, notes): absent is empty.
std::optional<Fault> readFreeText(const QJsonObject& root, const char* key, int limit,
                                  TextKind kind, QString& out) {
    const QJsonValue value = root.value(QLatin1String(key));
    if (value.isUndefined()) return std::nullopt;
    if (!value.isString()) return Fault{BadField, QString::fromLatin1(key)};
    out = value.toString();
    return textFault(out, QString::fromLatin1(key), limit, kind);
}

std::optional<Fault> readLine(const QJsonValue& value, qsizetype index, ProjectLine& line,
                              std::optional<std::array<double, 4>>& stored) {
    if (!value.isObject()) return Fault{BadField, {}, index};
    const QJsonObject object = value.toObject();

    const QJsonValue code = object.value(lineNames().code);
    if (!code.isDouble()) return Fault{BadField, QStringLiteral("code"), index};
    const double codeValue = code.toDouble();
    // Code 0 is a line added before any kind was chosen: the list holds it (its mass only),
    // so a project must hold it too.
    const bool known = codeValue == 0 || (codeValue >= 1 && codeValue <= 1000 &&
                                          isKnownKind(static_cast<int>(codeValue)));
    if (codeValue != std::floor(codeValue) || !known)
        return Fault{UnknownKind,
                     QStringLiteral("code ") +
                         QString::number(codeValue, 'g', QLocale::FloatingPointShortest),
                     index};
    line.code = static_cast<int>(codeValue);

    // The kind's name is written for a reader's sake; when it is there it must name the code.
    const QJsonValue kind = object.value(lineNames().kind);
    if (!kind.isUndefined()) {
        if (!kind.isString()) return Fault{BadField, QStringLiteral("kind"), index};
        const QString name = kind.toString();
        if (auto fault = textFault(name, QStringLiteral("kind"), ProjectLimits::MaxInputText,
                                   TextKind::Line, index))
            return fault;
        const char* fileKey = kindFileKey(line.code);
        if (!fileKey || name != QLatin1String(fileKey))
            return Fault{KindMismatch,
                         QStringLiteral("kind \"%1\", code %2").arg(name).arg(line.code), index};
    }

    // A mechanism has no mass mode: its line holds its inputs by name, and one it lacks reads
    // as an empty box.
    const bool mechanism = isMechanism(line.code);
    const QJsonValue mode = object.value(lineNames().totalMass);
    if (!mechanism) {
        if (!mode.isBool()) return Fault{BadField, QStringLiteral("totalMass"), index};
        line.totalMass = mode.toBool();
    }

    const QJsonValue inputs = object.value(lineNames().inputs);
    if (!inputs.isObject()) return Fault{BadField, QStringLiteral("inputs"), index};
    const QJsonObject inputObject = inputs.toObject();
    if (mechanism) {
        const std::span<const InputDeclaration> declared = kindInputs(line.code);
        for (size_t k = 0; k < declared.size(); ++k) {
            const QString field = QStringLiteral("inputs.") + QLatin1String(declared[k].key);
            const QJsonValue text = inputObject.value(QLatin1String(declared[k].key));
            if (text.isUndefined()) continue;
            if (!text.isString()) return Fault{BadField, field, index};
            line.texts[k] = text.toString();
            if (auto fault = textFault(line.texts[k], field, ProjectLimits::MaxInputText,
                                       TextKind::Line, index))
                return fault;
        }
    }
    for (int k = 0; k < 7 && !mechanism; ++k) {
        const QJsonValue text = inputObject.value(lineNames().input[size_t(k)]);
        if (!text.isString())
            return Fault{BadField, QStringLiteral("inputs.") + QLatin1String(InputKeys[k]), index};
        line.texts[k] = text.toString();
        if (auto fault =
                textFault(line.texts[k], QStringLiteral("inputs.") + QLatin1String(InputKeys[k]),
                          ProjectLimits::MaxInputText, TextKind::Line, index))
            return fault;
    }

    // The stored results are optional: a script may write inputs only.
    const QJsonValue results = object.value(lineNames().results);
    if (results.isUndefined()) return std::nullopt;
    if (!results.isObject()) return Fault{BadField, QStringLiteral("results"), index};
    const QJsonObject resultObject = results.toObject();
    std::array<double, 4> values{};
    for (int k = 0; k < 4; ++k) {
        const QJsonValue v = resultObject.value(lineNames().result[size_t(k)]);
        if (!v.isDouble())
            return Fault{BadField, QStringLiteral("results.") + QLatin1String(ResultKeys[k]),
                         index};
        values[k] = v.toDouble();
        if (!finiteInRange(values[k]))
            return Fault{AbsurdNumber, QStringLiteral("results.") + QLatin1String(ResultKeys[k]),
                         index};
    }
    stored = values;
    return std::nullopt;
}

// The editor's captions of results k (0 mass, 1 inertia, 2 friction, 3 working torque): the
// masks the calculation writes them with.
QString captionOf(double value, int k) {
    return formatWithMask(value, k == 0 ? QStringView(u"#####") : QStringView(u"####.##"));
}

std::array<QString, 4> captionsOf(const std::array<double, 4>& values) {
    std::array<QString, 4> captions;
    for (int k = 0; k < 4; ++k)
        captions[size_t(k)] = captionOf(values[size_t(k)], k);
    return captions;
}

// Whether a stored result stands for the recomputed one. The file holds the shortest text
// that reads back as the same double, so a file written here matches exactly; the margin
// only forgives another machine's last bits. A list whose rows were added with their
// captions only holds the captions' values: those stand for the result too.
bool sameResult(double stored, double computed, int k) {
    if (stored == computed) return true;
    if (std::fabs(stored - computed) <= 1e-12 * std::max(std::fabs(stored), std::fabs(computed)))
        return true;
    return stored == readNumber(captionOf(computed, k));
}

CalcInputs calcInputs(const ProjectLine& line) {
    CalcInputs in;
    in.code = line.code;
    in.totalMass = line.totalMass;
    in.texts = line.texts;
    return in;
}

PartsList::Line listLine(const ProjectLine& line, const std::array<QString, 4>& captions,
                         const std::array<double, 4>& values) {
    PartsList::Line l;
    l.captions = captions;
    l.totalMass = line.totalMass;
    l.texts = line.texts;
    l.code = line.code;
    l.image = kindImage(line.code);
    l.exact = values;
    return l;
}

// The line as the list takes it: recomputed from its inputs; a line whose inputs give no
// result keeps the results it holds (files written by earlier versions, whose editor added the
// results of the last inputs that gave some, can hold such lines).
PartsList::Line listLine(const ProjectLine& line) {
    const CalcOutcome out = calculatePart(calcInputs(line));
    return out.kind == CalcOutcome::Kind::Results
               ? listLine(line, out.captions, out.values)
               : listLine(line, captionsOf(line.exact), line.exact);
}

QString joinLineNumbers(const std::vector<qsizetype>& lines) {
    constexpr size_t Shown = 20;
    QStringList numbers;
    for (size_t k = 0; k < lines.size() && k < Shown; ++k)
        numbers << QString::number(lines[k] + 1);
    QString text = numbers.join(QStringLiteral(", "));
    if (lines.size() > Shown) text += QStringLiteral(" … (%1)").arg(lines.size());
    return text;
}

// The fault, its line and its detail, after the pieces given.
std::vector<MessagePiece> withFault(std::vector<MessagePiece> pieces, const Fault& fault) {
    pieces.push_back({fault.entry, {}});
    if (fault.line >= 0) {
        pieces.push_back({LineWord, {}});
        pieces.push_back({0, QString::number(fault.line + 1) +
                                 (fault.detail.isEmpty() ? QString() : QStringLiteral(", "))});
    }
    if (!fault.detail.isEmpty()) pieces.push_back({0, fault.detail});
    return pieces;
}

std::vector<MessagePiece> openMessage(const QString& fileName, const Fault& fault) {
    return withFault(
        {{OpenFailed, {}}, {0, QStringLiteral("\n") + fileName + QStringLiteral("\n")}}, fault);
}

ProjectRead refused(const QString& fileName, const Fault& fault) {
    ProjectRead read;
    read.errorMessage = openMessage(fileName, fault);
    read.error = englishMessage(read.errorMessage);
    return read;
}

} // namespace

qsizetype characterCount(QStringView text) {
    qsizetype count = text.size();
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i].isHighSurrogate() && text[i + 1].isLowSurrogate()) {
            --count;
            ++i;
        }
    return count;
}

bool hasControlCharacter(QStringView text, bool lineBreaks) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F) continue;
        if (lineBreaks && (u == u'\t' || u == u'\n' || u == u'\r')) continue;
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F)) return true;
    }
    return false;
}

QString englishMessage(const std::vector<MessagePiece>& pieces) {
    QString text;
    for (const MessagePiece& piece : pieces) {
        if (piece.entry <= 0) {
            text += piece.literal;
            continue;
        }
        for (const EnglishText& e : EnglishTexts)
            if (e.entry == piece.entry) text += QString::fromUtf8(e.text);
    }
    return text;
}

QString messageText(const std::vector<MessagePiece>& pieces, const QStringList& texts) {
    QString text;
    for (const MessagePiece& piece : pieces) {
        const QString translated = piece.entry > 0 ? texts.value(piece.entry) : QString();
        text += piece.entry <= 0       ? piece.literal
                : translated.isEmpty() ? englishMessage({piece})
                                       : translated;
    }
    return text;
}

ProjectRead parseProject(const QByteArray& input, const QString& fileName) {
    if (input.size() > ProjectLimits::MaxFileBytes)
        return refused(
            fileName,
            {TooLarge,
             QStringLiteral("%1 > %2").arg(input.size()).arg(ProjectLimits::MaxFileBytes)});
    QByteArray bytes = input;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    if (std::all_of(bytes.cbegin(), bytes.cend(),
                    [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }))
        return refused(fileName, {EmptyFile, {}});

    const qsizetype bad = invalidUtf8At(bytes);
    if (bad >= 0)
        return refused(fileName,
                       {BadUtf8, QString::number(bad + (bytes.size() < input.size() ? 3 : 0))});

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refused(
            fileName,
            {NotJson,
             QStringLiteral("%1 (byte %2)").arg(parseError.errorString()).arg(parseError.offset)});
    if (!document.isObject()) return refused(fileName, {OtherFormat, QStringLiteral("-")});
    if (const auto name = duplicateName(bytes)) return refused(fileName, {DuplicateKey, *name});

    const QJsonObject root = document.object();
    const QJsonValue format = root.value(QLatin1String("format"));
    if (format.toString() != QLatin1String(ProjectFormatName))
        return refused(fileName,
                       {OtherFormat, format.isString() ? format.toString() : QStringLiteral("-")});
    const QJsonValue version = root.value(QLatin1String("version"));
    const double versionValue = version.toDouble(-1);
    if (!version.isDouble() || versionValue != std::floor(versionValue) || versionValue < 1)
        return refused(fileName, {BadField, QStringLiteral("version")});
    if (versionValue > ProjectFormatVersion)
        return refused(fileName, {NewerVersion, QString::number(versionValue, 'g',
                                                                QLocale::FloatingPointShortest)});

    ProjectRead read;
    Project& project = read.project;
    if (auto fault =
            readFreeText(root, "title", ProjectLimits::MaxTitleText, TextKind::Line, project.title))
        return refused(fileName, *fault);
    if (auto fault = readFreeText(root, "author", ProjectLimits::MaxTitleText, TextKind::Line,
                                  project.author))
        return refused(fileName, *fault);
    if (auto fault = readFreeText(root, "notes", ProjectLimits::MaxNotesText, TextKind::Notes,
                                  project.notes))
        return refused(fileName, *fault);

    const QJsonValue drive = root.value(QLatin1String("drive"));
    if (!drive.isUndefined()) {
        if (!drive.isObject()) return refused(fileName, {BadField, QStringLiteral("drive")});
        project.drive = drive.toObject();
        if (auto fault = driveFault(project.drive)) return refused(fileName, *fault);
    }
    const QJsonValue motor = root.value(QLatin1String("motor"));
    if (!motor.isUndefined()) {
        if (!motor.isObject()) return refused(fileName, {BadField, QStringLiteral("motor")});
        project.motor = motor.toObject();
        if (auto fault = motorFault(project.motor)) return refused(fileName, *fault);
    }
    // A recovery copy's session is read by the session itself, which leaves out what is wrong.
    const QJsonValue session = root.value(QLatin1String("session"));
    if (session.isObject()) project.session = session.toObject();

    const QJsonValue lines = root.value(QLatin1String("lines"));
    if (!lines.isArray()) return refused(fileName, {BadField, QStringLiteral("lines")});
    const QJsonArray lineArray = lines.toArray();
    if (lineArray.size() > ProjectLimits::MaxLines)
        return refused(
            fileName,
            {TextTooLong,
             QStringLiteral("lines (%1 > %2)").arg(lineArray.size()).arg(ProjectLimits::MaxLines)});

    // Every line is recomputed and added to a trial list, so that the list the window fills
    // afterwards takes every line as read, in order.
    PartsList& trial = read.parts;
    std::vector<qsizetype> differing, kept;
    project.lines.reserve(static_cast<size_t>(lineArray.size()));
    for (qsizetype index = 0; index < lineArray.size(); ++index) {
        ProjectLine line;
        std::optional<std::array<double, 4>> stored;
        if (auto fault = readLine(lineArray.at(index), index, line, stored))
            return refused(fileName, *fault);
        const CalcOutcome out = calculatePart(calcInputs(line));
        PartsList::Line added;
        if (out.kind == CalcOutcome::Kind::Results) {
            line.exact = out.values;
            added = listLine(line, out.captions, out.values);
        } else {
            // Nothing to compute: the stored results stand, and the user is told which lines.
            if (!stored) return refused(fileName, {NoResult, {}, index});
            line.exact = *stored;
            added = listLine(line, captionsOf(line.exact), line.exact);
            kept.push_back(index);
            stored.reset();
        }
        if (trial.add(added, PartsList::AddRule::Exact).kind != PartsList::AddOutcome::Kind::Added)
            return refused(fileName, {NoResult, {}, index});
        if (stored) {
            for (int k = 0; k < 4; ++k)
                if (!sameResult((*stored)[k], line.exact[k], k)) {
                    differing.push_back(index);
                    break;
                }
        }
        project.lines.push_back(std::move(line));
    }

    if (!differing.empty()) {
        read.warningMessage = {{Differences, {}}, {0, joinLineNumbers(differing)}};
    }
    if (!kept.empty()) {
        if (!read.warningMessage.empty()) read.warningMessage.push_back({0, QStringLiteral("\n")});
        read.warningMessage.push_back({KeptResults, {}});
        read.warningMessage.push_back({0, joinLineNumbers(kept)});
    }
    if (!read.warningMessage.empty()) {
        read.warningMessage.push_back({0, QStringLiteral("\n") + fileName});
        read.warning = englishMessage(read.warningMessage);
    }
    read.ok = true;
    return read;
}

ProjectRead readProject(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return refused(path, {IsFolder, {}});
    if (isSymlinkLoop(path)) return refused(path, {SymlinkLoop, {}});
    if (!info.exists()) return refused(path, {Unreadable, QStringLiteral("no such file")});
    // A pipe or a device could block the reader or never end.
    if (!info.isFile()) return refused(path, {Unreadable, QStringLiteral("not a regular file")});
    if (info.size() > ProjectLimits::MaxFileBytes)
        return refused(
            path, {TooLarge,
                   QStringLiteral("%1 > %2").arg(info.size()).arg(ProjectLimits::MaxFileBytes)});
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return refused(path, {Unreadable, file.errorString()});
    // Never more than the limit, even if the file grows while it is read.
    const QByteArray bytes = file.read(ProjectLimits::MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(path, {Unreadable, file.errorString()});
    return parseProject(bytes, path);
}

QByteArray projectJson(const Project& project) {
    // The names as QStrings made once: a QJsonObject converts every other kind of name.
    const LineNames& n = lineNames();
    const QString &Code = n.code, &Kind = n.kind, &TotalMass = n.totalMass, &Inputs = n.inputs,
                  &Results = n.results;
    const auto& inputNames = n.input;
    const auto& resultNames = n.result;
    std::array<QString, 20> kindNames;
    for (const KindInfo& kind : catalogue())
        kindNames[size_t(kind.code - 1)] = QString::fromLatin1(kind.fileKey);
    // A mechanism's line: its code, its name and its inputs by their declared keys.
    const auto mechanismLine = [&](const ProjectLine& line) {
        QJsonObject object{{Code, line.code}, {Kind, QString::fromLatin1(kindFileKey(line.code))}};
        QJsonObject inputs;
        const std::span<const InputDeclaration> declared = kindInputs(line.code);
        for (size_t k = 0; k < declared.size(); ++k)
            inputs.insert(QLatin1String(declared[k].key), line.texts[k]);
        object.insert(Inputs, inputs);
        return object;
    };

    QJsonObject root;
    root.insert(QLatin1String("format"), QLatin1String(ProjectFormatName));
    root.insert(QLatin1String("version"), ProjectFormatVersion);
    root.insert(QLatin1String("title"), project.title);
    root.insert(QLatin1String("author"), project.author);
    root.insert(QLatin1String("notes"), project.notes);
    if (!project.drive.isEmpty()) root.insert(QLatin1String("drive"), project.drive);
    if (!project.motor.isEmpty()) root.insert(QLatin1String("motor"), project.motor);
    if (!project.session.isEmpty()) root.insert(QLatin1String("session"), project.session);
    // Every line starts as a copy of objects that already hold every name: a copy takes the
    // names as they are stored, and only the values are set (half the time of new objects).
    QJsonObject inputsTemplate, resultsTemplate, lineTemplate;
    for (size_t k = 0; k < 7; ++k)
        inputsTemplate.insert(inputNames[k], QString());
    for (size_t k = 0; k < 4; ++k)
        resultsTemplate.insert(resultNames[k], 0.0);
    lineTemplate.insert(Code, 0);
    lineTemplate.insert(Kind, QString());
    lineTemplate.insert(TotalMass, true);
    lineTemplate.insert(Inputs, inputsTemplate);
    lineTemplate.insert(Results, resultsTemplate);

    QJsonArray lines;
    for (const ProjectLine& line : project.lines) {
        QJsonObject object;
        if (isMechanism(line.code)) {
            object = mechanismLine(line);
        } else {
            object = lineTemplate;
            object.insert(Code, line.code);
            if (kindInfo(line.code))
                object.insert(Kind, kindNames[size_t(line.code - 1)]);
            else
                object.remove(Kind);
            object.insert(TotalMass, line.totalMass);
            QJsonObject inputs = inputsTemplate;
            for (size_t k = 0; k < 7; ++k)
                inputs.insert(inputNames[k], line.texts[k]);
            object.insert(Inputs, inputs);
        }
        // JSON has no infinity, and a reader takes no result beyond its range: such results are
        // left out rather than written as something they are not; the inputs give them back.
        const bool finite = std::all_of(line.exact.begin(), line.exact.end(), finiteInRange);
        if (finite) {
            QJsonObject results = resultsTemplate;
            for (size_t k = 0; k < 4; ++k)
                results.insert(resultNames[k], line.exact[k]);
            object.insert(Results, results);
        } else {
            object.remove(Results);
        }
        lines.append(object);
    }
    root.insert(QLatin1String("lines"), lines);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

namespace {

ProjectSave writeAtomically(const QByteArray& bytes, const QString& path, int entry) {
    ProjectSave save;
    const WriteFailure failure = AtomicFile::writeWhole(bytes, path);
    if (failure.failed()) {
        save.errorMessage = writeFailureMessage(entry, path, failure);
        save.error = englishMessage(save.errorMessage);
        return save;
    }
    save.ok = true;
    return save;
}

// What the reader would refuse in a project, field by field as it checks them. The results a
// line holds came from its inputs: the inputs are computed again only for a line whose results
// the file cannot hold, which the reader must then compute.
std::optional<Fault> unreadableFault(const Project& project) {
    if (auto fault = textFault(project.title, QStringLiteral("title"), ProjectLimits::MaxTitleText,
                               TextKind::Line))
        return fault;
    if (auto fault = textFault(project.author, QStringLiteral("author"),
                               ProjectLimits::MaxTitleText, TextKind::Line))
        return fault;
    if (auto fault = textFault(project.notes, QStringLiteral("notes"), ProjectLimits::MaxNotesText,
                               TextKind::Notes))
        return fault;
    if (auto fault = driveFault(project.drive)) return fault;
    if (auto fault = motorFault(project.motor)) return fault;
    const qsizetype count = qsizetype(project.lines.size());
    if (count > ProjectLimits::MaxLines)
        return Fault{TextTooLong,
                     QStringLiteral("lines (%1 > %2)").arg(count).arg(ProjectLimits::MaxLines)};
    for (qsizetype index = 0; index < count; ++index) {
        const ProjectLine& line = project.lines[size_t(index)];
        if (line.code != 0 && !isKnownKind(line.code))
            return Fault{UnknownKind, QStringLiteral("code %1").arg(line.code), index};
        const std::span<const InputDeclaration> declared = kindInputs(line.code);
        for (size_t k = 0; k < declared.size(); ++k)
            if (auto fault = textFault(line.texts[k],
                                       QStringLiteral("inputs.") + QLatin1String(declared[k].key),
                                       ProjectLimits::MaxInputText, TextKind::Line, index))
                return fault;
        const bool stored =
            std::all_of(line.exact.begin(), line.exact.end(), finiteInRange) &&
            std::any_of(line.exact.begin(), line.exact.end(), [](double v) { return v != 0; });
        if (!stored) {
            const CalcOutcome out = calculatePart(calcInputs(line));
            const bool computed =
                out.kind == CalcOutcome::Kind::Results &&
                std::all_of(out.values.begin(), out.values.end(),
                            [](double v) { return std::isfinite(v); }) &&
                std::any_of(out.values.begin(), out.values.end(), [](double v) { return v != 0; });
            if (!computed) return Fault{NoResult, {}, index};
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<MessagePiece> writeFailureMessage(int entry, const QString& path,
                                              const WriteFailure& failure) {
    std::vector<MessagePiece> pieces{{entry, {}},
                                     {0, QStringLiteral("\n") + path + QStringLiteral("\n")}};
    switch (failure.kind) {
    case WriteFailure::Kind::Folder:
        pieces.push_back({IsFolder, {}});
        break;
    case WriteFailure::Kind::NotAFile:
        pieces.push_back({NotRegularFile, {}});
        break;
    case WriteFailure::Kind::SymlinkLoop:
        pieces.push_back({SymlinkLoop, {}});
        break;
    case WriteFailure::Kind::None:
    case WriteFailure::Kind::System:
        pieces.push_back({0, failure.reason});
        break;
    }
    return pieces;
}

std::vector<MessagePiece> unreadableProject(const Project& project) {
    const std::optional<Fault> fault = unreadableFault(project);
    return fault ? withFault({{WouldNotOpen, {}}}, *fault) : std::vector<MessagePiece>{};
}

ProjectSave saveProject(const Project& project, const QString& path) {
    // A file its own reader would refuse is never written: the next open would lose the work.
    const auto refuse = [&path](const std::vector<MessagePiece>& why) {
        ProjectSave save;
        save.errorMessage = {{SaveFailed, {}},
                             {0, QStringLiteral("\n") + path + QStringLiteral("\n")}};
        save.errorMessage.insert(save.errorMessage.end(), why.begin(), why.end());
        save.error = englishMessage(save.errorMessage);
        return save;
    };
    if (const std::vector<MessagePiece> why = unreadableProject(project); !why.empty())
        return refuse(why);
    const QByteArray bytes = projectJson(project);
    if (bytes.size() > ProjectLimits::MaxFileBytes)
        return refuse(withFault(
            {{WouldNotOpen, {}}},
            {TooLarge,
             QStringLiteral("%1 > %2").arg(bytes.size()).arg(ProjectLimits::MaxFileBytes)}));
    return writeAtomically(bytes, path, SaveFailed);
}

ProjectSave saveExport(const QByteArray& bytes, const QString& path) {
    return writeAtomically(bytes, path, ExportFailed);
}

Project projectFromList(const PartsList& list) {
    Project project;
    project.lines.reserve(static_cast<size_t>(list.partCount()));
    for (int row = 1; row < list.rowCount(); ++row) {
        ProjectLine line;
        line.code = list.cell(row, 14).toInt();
        if (isMechanism(line.code)) {
            const QStringList& inputs = list.inputs(row);
            for (qsizetype k = 0; k < inputs.size() && k < qsizetype(MaxInputs); ++k)
                line.texts[size_t(k)] = inputs[k];
            for (int k = 0; k < 4; ++k)
                line.exact[k] = list.exactValue(row, k);
            project.lines.push_back(std::move(line));
            continue;
        }
        line.totalMass = list.cell(row, 5) == QLatin1String("True");
        line.texts[0] = list.cell(row, 6);
        line.texts[1] = list.cell(row, 7);
        line.texts[2] = list.cell(row, 8);
        for (int k = 0; k < 4; ++k)
            line.texts[3 + k] = list.cell(row, 10 + k);
        for (int k = 0; k < 4; ++k)
            line.exact[k] = list.exactValue(row, k);
        project.lines.push_back(std::move(line));
    }
    return project;
}

namespace {

// An empty list with the headings and totals caption of list.
PartsList emptyLike(const PartsList& list) {
    QStringList headings;
    for (int column = 1; column < PartsList::ColumnCount; ++column)
        headings << list.cell(0, column);
    return PartsList(headings, list.total(0));
}

} // namespace

void fillList(PartsList& list, const ProjectRead& read) {
    if (!read.ok) return;
    // The rows were built while the file was checked; only the texts of the window change.
    PartsList fresh = read.parts;
    QStringList headings;
    for (int column = 1; column < PartsList::ColumnCount; ++column)
        headings << list.cell(0, column);
    fresh.setHeadings(headings);
    fresh.setTotalsCaption(list.total(0));
    list = std::move(fresh);
}

void fillList(PartsList& list, const Project& project) {
    PartsList fresh = emptyLike(list);
    for (const ProjectLine& line : project.lines)
        fresh.add(listLine(line), PartsList::AddRule::Exact);
    list = std::move(fresh);
}

} // namespace ostrel
