// The Dialogs seam of the window tests: every box is recorded instead of shown. Messages must
// be announced with expect(); questions, file choices and modal windows take their answers
// from queues the test fills. Anything unannounced or unanswered fails the test.
#pragma once

#include "platform/dialogs.h"

#include <QDialog>
#include <QQueue>
#include <QStringList>
#include <QTest>
#include <functional>

class RecordingDialogs : public ostrel::Dialogs {
public:
    QStringList texts; // of the messages shown
    QList<ostrel::MessageIcon> icons;
    QStringList asked;                      // the texts of questions and save questions, in order
    QList<ostrel::SaveButtons> saveButtons; // the buttons of each save question
    int expected = 0;

    QQueue<bool> answers;                   // question: Yes / No
    QQueue<ostrel::SaveChoice> saveChoices; // askToSave
    QQueue<QString> fileNames;              // saveFileName and openFileName
    QStringList suggested;                  // the paths the save choosers suggested
    // Fills a modal window and gives its result code.
    QQueue<std::function<int(QDialog&)>> windows;

    void expect(int count = 1) { expected += count; }
    static void unexpected(const QString& what) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected ") + what), __FILE__, __LINE__);
    }
    void message(const QString& text, ostrel::MessageIcon icon, const QString&) override {
        texts << text;
        icons << icon;
        if (texts.size() > expected) unexpected(QStringLiteral("box: ") + text);
    }
    bool question(const QString& text, const QString&) override {
        asked << text;
        if (answers.isEmpty()) {
            unexpected(QStringLiteral("question: ") + text);
            return false;
        }
        return answers.dequeue();
    }
    ostrel::SaveChoice askToSave(const QString& text, const QString&,
                                 const ostrel::SaveButtons& buttons) override {
        asked << text;
        saveButtons << buttons;
        if (saveChoices.isEmpty()) {
            unexpected(QStringLiteral("save question: ") + text);
            return ostrel::SaveChoice::Cancel;
        }
        return saveChoices.dequeue();
    }
    QString saveFileName(const QString& title, const QString& path, const QString&) override {
        suggested << path;
        return chosenFile(title);
    }
    QString openFileName(const QString& title, const QString&, const QString&) override {
        return chosenFile(title);
    }
    int exec(QDialog& dialog) override {
        if (windows.isEmpty()) {
            unexpected(QStringLiteral("window: ") + dialog.windowTitle());
            return QDialog::Rejected;
        }
        return windows.dequeue()(dialog);
    }

private:
    QString chosenFile(const QString& title) {
        if (fileNames.isEmpty()) {
            unexpected(QStringLiteral("file chooser: ") + title);
            return {};
        }
        return fileNames.dequeue();
    }
};
