#include "language/configfile.h"

#include "platform/atomicfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace ostrel {

namespace {

const QString kFileName = QStringLiteral("Ostrel.cfg");

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The first line of a readable file, without its line end and a leading byte-order mark;
// false when the file cannot be read.
bool firstLine(const QString& path, QString& line) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    // One line of a name: a few hundred bytes are plenty, and a huge file costs nothing.
    const QByteArray bytes = file.read(4096);
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != QLatin1Char('\r') &&
           text.at(end) != QLatin1Char('\n'))
        ++end;
    line = text.left(end);
    return true;
}

// The line written whole or not at all: a failed write leaves the old file as it was.
bool writeLine(const QString& path, const QByteArray& bytes, QString* error) {
    const WriteFailure failure = AtomicFile::writeWhole(bytes, path);
    if (failure.failed() && error) *error = failure.reason;
    return !failure.failed();
}

QByteArray configurationLine(const QString& name) {
    const bool needsQuotes =
        name.contains(QLatin1Char(',')) ||
        (!name.isEmpty() && (isBlank(name.front()) || name.front() == QLatin1Char('"')));
    const QString text = needsQuotes ? QLatin1Char('"') + name + QLatin1Char('"') : name;
    return text.toUtf8() + "\r\n";
}

} // namespace

QString readConfigLine(const QString& line) {
    qsizetype start = 0;
    while (start < line.size() && isBlank(line.at(start)))
        ++start;
    if (start < line.size() && line.at(start) == QLatin1Char('"')) {
        const qsizetype close = line.indexOf(QLatin1Char('"'), start + 1);
        return close < 0 ? line.mid(start + 1) : line.mid(start + 1, close - start - 1);
    }
    const qsizetype comma = line.indexOf(QLatin1Char(','), start);
    return comma < 0 ? line.mid(start) : line.mid(start, comma - start);
}

QString userConfigFile() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty()) return {};
    return base + QStringLiteral("/Ostrel/") + kFileName;
}

QString readConfig(const QString& programDir) {
    return readConfig(programDir, userConfigFile());
}

QString readConfig(const QString& programDir, const QString& userFile) {
    const QString programFile = programDir + kFileName;
    QString programLine;
    QString userLine;
    const bool inProgram = firstLine(programFile, programLine);
    const bool inUser = !userFile.isEmpty() && firstLine(userFile, userLine);
    if (inProgram && inUser) {
        // The user's file is only written when the program folder could not be: when it is
        // the newer one, the program folder holds an older choice.
        const QDateTime programTime = QFileInfo(programFile).lastModified();
        const QDateTime userTime = QFileInfo(userFile).lastModified();
        return readConfigLine(userTime > programTime ? userLine : programLine);
    }
    if (inProgram) return readConfigLine(programLine);
    if (inUser) return readConfigLine(userLine);
    return {};
}

ConfigWrite writeConfig(const QString& programDir, const QString& name) {
    return writeConfig(programDir, name, userConfigFile());
}

ConfigWrite writeConfig(const QString& programDir, const QString& name, const QString& userFile) {
    ConfigWrite result;
    const QByteArray bytes = configurationLine(name);
    QString programError;
    const QString programFile = programDir + kFileName;
    if (writeLine(programFile, bytes, &programError)) {
        result.ok = true;
        result.path = programFile;
        return result;
    }
    result.fallback = true;
    QString userError;
    if (!userFile.isEmpty()) {
        QDir().mkpath(QFileInfo(userFile).absolutePath());
        if (writeLine(userFile, bytes, &userError)) {
            result.ok = true;
            result.path = userFile;
            return result;
        }
    } else {
        userError = QStringLiteral("no user configuration folder");
    }
    result.error = QStringLiteral("The working language could not be written to \"%1\" (%2) nor "
                                  "to \"%3\" (%4).")
                       .arg(programFile, programError, userFile, userError);
    return result;
}

} // namespace ostrel
