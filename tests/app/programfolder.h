// The program folder of the window tests: the build's translation store and pictures copied
// into a temporary folder, so that a test may change or remove them without touching the
// build.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// program ends with "/"; withStore: the translation store too. False when a folder or a file
// could not be made.
inline bool copyProgramFolder(const QString& program, bool withStore = true) {
    const QString source = QStringLiteral(OSTREL_PROGRAM_DIR);
    if (!QDir(program).mkpath(QStringLiteral("images"))) return false;
    QStringList files = QDir(source).entryList({"*.bmp", "*.BMP"}, QDir::Files);
    for (const QString& f : QDir(source + QStringLiteral("images")).entryList(QDir::Files))
        files << QStringLiteral("images/") + f;
    if (withStore) files << QStringLiteral("Lenguas.db");
    for (const QString& f : files)
        if (!QFile::copy(source + f, program + f)) return false;
    return true;
}
