// ostrel_langdb_tool SOURCE.tsv TARGET.db: builds the translation store from its text source.
// The database is written beside the target and moved into place only when complete.

#include "langdb/translationsource.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: ostrel_langdb_tool SOURCE.tsv TARGET.db\n");
        return 2;
    }
    const QString sourcePath = args.at(1);
    const QString targetPath = args.at(2);

    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(sourcePath), qPrintable(file.errorString()));
        return 1;
    }
    ostrel::langdb::TranslationSource source;
    QString error;
    if (!ostrel::langdb::parseSource(file.readAll(), source, &error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(sourcePath), qPrintable(error));
        return 1;
    }

    const QString partial = targetPath + QStringLiteral(".part");
    if (!ostrel::langdb::writeDatabase(partial, source, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        QFile::remove(partial);
        return 1;
    }
    QFile::remove(targetPath);
    if (!QFile::rename(partial, targetPath)) {
        std::fprintf(stderr, "%s: cannot be replaced\n", qPrintable(targetPath));
        QFile::remove(partial);
        return 1;
    }
    return 0;
}
