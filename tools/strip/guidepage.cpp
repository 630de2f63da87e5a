// Turns the user guide (Markdown) into the HTML page installed beside the program, which the
// About window's link opens in the default browser. Qt's own Markdown reader does the work,
// so the build needs nothing more.
//
//   ostrel_guidepage <user-guide.md> <user-guide.html>

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: ostrel_guidepage <user-guide.md> <user-guide.html>\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "ostrel_guidepage: cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument document;
    // The page is read in a browser: a comfortable size rather than the desktop's small one.
    document.setDefaultFont(QFont(QStringLiteral("Sans Serif"), 11));
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    document.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("Ostrel user guide"));

    QFile page(QString::fromLocal8Bit(argv[2]));
    if (!page.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        page.write(document.toHtml().toUtf8()) < 0) {
        std::fprintf(stderr, "ostrel_guidepage: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
