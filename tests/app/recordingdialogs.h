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
    // The next prepared answer; none prepared fails the test and gives none.
    template <typename T> static T next(QQueue<T>& answers, const QString& what, T none = {}) {
        if (answers.isEmpty()) unexpected(what);
        return answers.isEmpty() ? none : answers.dequeue();
    }

    void message(const QString& text, ostrel::MessageIcon icon, const QString&) override {
        texts << text;
        icons << icon;
        if (texts.size() > expected) unexpected(QStringLiteral("box: ") + text);
    }
    bool question(const QString& text, const QString&) override {
        asked << text;
        return next(answers, QStringLiteral("question: ") + text, false);
    }
    ostrel::SaveChoice askToSave(const QString& text, const QString&,
                                 const ostrel::SaveButtons& buttons) override {
        asked << text;
        saveButtons << buttons;
        return next(saveChoices, QStringLiteral("save question: ") + text,
                    ostrel::SaveChoice::Cancel);
    }
    QString saveFileName(const QString& title, const QString& path, const QString&) override {
        suggested << path;
        return next(fileNames, QStringLiteral("file chooser: ") + title);
    }
    QString openFileName(const QString& title, const QString&, const QString&) override {
        return next(fileNames, QStringLiteral("file chooser: ") + title);
    }
    int exec(QDialog& dialog) override {
        const auto fill = next(windows, QStringLiteral("window: ") + dialog.windowTitle());
        return fill ? fill(dialog) : int(QDialog::Rejected);
    }
};
