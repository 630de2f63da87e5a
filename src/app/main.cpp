// The program: the main window in the program folder, with the real message boxes.
#include "app/ostrel.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QPointer>

namespace {

// The real boxes, centred on the main window once it exists.
class MainDialogs : public ostrel::Dialogs {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void message(const QString& text, ostrel::MessageIcon icon, const QString& title) override {
        ostrel::WidgetDialogs(parent_).message(text, icon, title);
    }
    bool question(const QString& text, const QString& title) override {
        return ostrel::WidgetDialogs(parent_).question(text, title);
    }
    QString saveFileName(const QString& title, const QString& suggestedPath,
                         const QString& filter) override {
        return ostrel::WidgetDialogs(parent_).saveFileName(title, suggestedPath, filter);
    }
    int exec(QDialog& dialog) override { return ostrel::WidgetDialogs(parent_).exec(dialog); }
    ostrel::SaveChoice askToSave(const QString& text, const QString& title) override {
        return ostrel::WidgetDialogs(parent_).askToSave(text, title);
    }
    QString openFileName(const QString& title, const QString& directory,
                         const QString& filter) override {
        return ostrel::WidgetDialogs(parent_).openFileName(title, directory, filter);
    }

private:
    QPointer<QWidget> parent_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel"));

    MainDialogs dialogs;
    // The window adds the final "/" when the folder lacks one (a root folder already has it).
    ostrel::Ostrel window(QCoreApplication::applicationDirPath(), dialogs);
    if (!window.ok()) return 1;
    dialogs.setParent(&window);
    window.show();
    return app.exec();
}
