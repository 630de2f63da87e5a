#include "drive/motorcsv.h"

#include "drive/drivefile.h"
#include "drive/motorlist.h"
#include "drive/wholefile.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

namespace ostrel {

namespace {

struct Record {
    int line = 0; // the file line it starts on
    QStringList cells;
};

struct Records {
    std::vector<Record> records;
    int openQuoteLine = 0; // the line of a quoted cell never closed
};

// RFC 4180 records: quoted cells may hold commas, doubled quotes and line breaks; CRLF, LF or CR
// ends a line. Blank lines are left out.
Records splitRecords(const QString& text) {
    Records out;
    Record record{1, {}};
    QString cell;
    bool quoted = false, wasQuoted = false;
    int line = 1;
    const auto endCell = [&] {
        record.cells << cell;
        cell.clear();
    };
    const auto endRecord = [&] {
        endCell();
        const bool blank =
            !wasQuoted && record.cells.size() == 1 && record.cells[0].trimmed().isEmpty();
        if (!blank) out.records.push_back(record);
        record = Record{line, {}};
        wasQuoted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool lineEnd = c == QLatin1Char('\n') || c == QLatin1Char('\r');
        if (lineEnd && c == QLatin1Char('\r') && i + 1 < text.size() &&
            text[i + 1] == QLatin1Char('\n'))
            ++i;
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += lineEnd ? QChar(QLatin1Char('\n')) : c;
                if (lineEnd) ++line;
            }
        } else if (c == QLatin1Char('"') && cell.trimmed().isEmpty()) {
            quoted = wasQuoted = true;
            cell.clear();
            out.openQuoteLine = line;
        } else if (c == QLatin1Char(',')) {
            endCell();
        } else if (lineEnd) {
            ++line;
            endRecord();
        } else {
            cell += c;
        }
    }
    if (quoted) {
        out.records.clear();
        return out;
    }
    out.openQuoteLine = 0;
    if (!cell.isEmpty() || !record.cells.isEmpty() || wasQuoted) endRecord();
    return out;
}

QString shortest(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

QString motorCsvHeader() {
    QStringList keys;
    for (int i = 0; i < MotorFieldCount; ++i)
        keys << motorFieldKey(static_cast<MotorField>(i));
    return keys.join(QLatin1Char(','));
}

QByteArray motorsCsv(const std::vector<Motor>& motors) {
    QByteArray out = motorCsvHeader().toUtf8() + "\r\n";
    for (const Motor& motor : motors) {
        QStringList cells{csvField(motor.name)};
        for (int i = 1; i < MotorFieldCount; ++i) {
            const std::optional<double> v = motor.value(static_cast<MotorField>(i));
            cells << (v ? shortest(*v) : QString());
        }
        out += cells.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return out;
}

MotorCsvRead parseMotorsCsv(const QByteArray& bytes, const QString& path) {
    MotorCsvRead read;
    const auto fail = [&read, &path](int line, std::vector<MessagePiece> reason) {
        std::vector<MessagePiece> pieces;
        if (line > 0) pieces = {{MotorListEntry::Line, {}}, {0, QStringLiteral(" %1: ").arg(line)}};
        for (MessagePiece& p : reason)
            pieces.push_back(std::move(p));
        read.motors.clear();
        read.lines.clear();
        read.error = motorFileMessage(MotorListEntry::ImportFailed, path, std::move(pieces));
        return read;
    };
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const Records split = splitRecords(text);
    if (split.openQuoteLine > 0) return fail(split.openQuoteLine, {{MotorCsvEntry::OpenQuote, {}}});
    if (split.records.empty()) return fail(0, {{MotorListEntry::Empty, {}}});

    const Record& header = split.records.front();
    QStringList names;
    for (const QString& cell : header.cells)
        names << cell.trimmed();
    if (names.join(QLatin1Char(',')) != motorCsvHeader())
        return fail(header.line, {{MotorCsvEntry::NotTheHeader, {}},
                                  {0, QStringLiteral("\n") + motorCsvHeader()}});

    MotorList seen;
    for (size_t r = 1; r < split.records.size(); ++r) {
        const Record& record = split.records[r];
        if (record.cells.size() != MotorFieldCount)
            return fail(record.line, {{MotorCsvEntry::NotNineCells, {}}});
        Motor motor;
        motor.name = record.cells[0].trimmed();
        for (int i = 1; i < MotorFieldCount; ++i) {
            const auto f = static_cast<MotorField>(i);
            bool ok = true;
            const std::optional<double> v = readMotorValue(record.cells[i], &ok);
            if (!ok) return fail(record.line, motorFaultMessage({f, MotorProblem::NotANumber}));
            if (!v && !motorFieldOptional(f))
                return fail(record.line, motorFaultMessage({f, MotorProblem::Missing}));
            motor.setValue(f, v);
        }
        std::vector<MessagePiece> refused = seen.addAll({motor});
        if (!refused.empty()) return fail(record.line, std::move(refused));
        read.lines.push_back(record.line);
    }
    read.motors = seen.motors();
    read.ok = true;
    return read;
}

MotorCsvRead readMotorsCsv(const QString& path) {
    const WholeFile file = WholeFile::read(path, MotorList::MaxFileBytes);
    if (file.ok()) return parseMotorsCsv(file.bytes, path);
    MotorCsvRead read;
    read.error = motorFileMessage(MotorListEntry::ImportFailed, path, wholeFileReason(file));
    return read;
}

} // namespace ostrel
