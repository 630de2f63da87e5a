// The program: the main window in the program folder, with the real message boxes.
#include "app/commandline.h"
#include "app/mainwindow.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QPointer>
#include <QTextStream>
#include <cstdio>

namespace {

// The real boxes, centred on the main window once it exists.
class MainDialogs : public ostrel::Dialogs {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void message(const QString& text, ostrel::MessageIcon icon, const QString& title) override {
        ostrel::WidgetDialogs(parent_).message(text, icon, title);
    }
    bool question(const QString& text, const QString& title) override {
        ostrel::WidgetDialogs boxes(parent_);
        boxes.setAnswerButtons(answerButtons());
        return boxes.question(text, title);
    }
    QString saveFileName(const QString& title, const QString& suggestedPath,
                         const QString& filter) override {
        return ostrel::WidgetDialogs(parent_).saveFileName(title, suggestedPath, filter);
    }
    int exec(QDialog& dialog) override { return ostrel::WidgetDialogs(parent_).exec(dialog); }
    ostrel::SaveChoice askToSave(const QString& text, const QString& title,
                                 const ostrel::SaveButtons& buttons) override {
        return ostrel::WidgetDialogs(parent_).askToSave(text, title, buttons);
    }
    QString openFileName(const QString& title, const QString& directory,
                         const QString& filter) override {
        return ostrel::WidgetDialogs(parent_).openFileName(title, directory, filter);
    }

private:
    QPointer<QWidget> parent_;
};

// The window's opening of a project given on the command line. The window asks nothing
// before it (the list is empty) and shows its own message when the file is refused.
template <class Window> void openAtStart(Window& window, const QString& path) {
    if constexpr (requires { window.openFile(path); }) window.openFile(path);
}

// The text the program prints, as UTF-8 whatever the terminal's locale says.
void print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OSTREL_VERSION_TEXT));

    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    if (ostrel::needsNoDisplay(raw)) {
        // Exports, the help and the version run where there is no display at all.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        const ostrel::CommandLine line = ostrel::parseCommandLine(app.arguments());
        switch (line.action) {
        case ostrel::CommandLine::Action::Help:
        case ostrel::CommandLine::Action::Version:
            print(stdout, line.text);
            return 0;
        case ostrel::CommandLine::Action::Export: {
            QString messages;
            QTextStream err(&messages);
            const int code =
                ostrel::runExport(line, QCoreApplication::applicationDirPath() + u'/', err);
            err.flush();
            print(stderr, messages);
            return code;
        }
        default:
            print(stderr, line.text);
            return 2;
        }
    }

    QApplication app(argc, argv);
    const ostrel::CommandLine line = ostrel::parseCommandLine(app.arguments());
    if (line.action == ostrel::CommandLine::Action::Error) {
        print(stderr, line.text);
        return 2;
    }

    MainDialogs dialogs;
    // The window adds the final "/" when the folder lacks one (a root folder already has it).
    ostrel::MainWindow window(QCoreApplication::applicationDirPath(), dialogs);
    if (!window.ok()) return 1;
    dialogs.setParent(&window);
    window.show();
    if (!line.file.isEmpty()) openAtStart(window, line.file);
    return app.exec();
}
