// The seam through which every message box, question and file choice of the program passes.
// The window uses WidgetDialogs; tests install a recorder, so nothing ever blocks on a modal
// box.
#pragma once

#include "solids/calculation.h"

#include <QString>

class QDialog;
class QWidget;

namespace ostrel {

// The answer to "save the changes first?".
enum class SaveChoice { Save, Discard, Cancel };

// The captions of that question's three buttons in the working language, with their access
// keys ("&Save"); an empty caption leaves the platform's own.
struct SaveButtons {
    QString save, discard, cancel;
};

// The captions of a question's Yes and No buttons in the working language, with their access
// keys ("&Yes"); an empty caption leaves the platform's own.
struct AnswerButtons {
    QString yes, no;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A plain message box with an OK button.
    virtual void message(const QString& text, MessageIcon icon, const QString& title) = 0;
    // A Yes/No question, its buttons captioned with answerButtons(); true for Yes.
    virtual bool question(const QString& text, const QString& title) = 0;
    // A file name to save to, or an empty text when the user cancels.
    virtual QString saveFileName(const QString& title, const QString& suggestedPath,
                                 const QString& filter) = 0;
    // Shows a window modally (the About window); returns its result code.
    virtual int exec(QDialog& dialog) = 0;
    // The three-way question before unsaved changes would be dropped: Save, Discard or
    // Cancel (closing the box cancels).
    virtual SaveChoice askToSave(const QString& text, const QString& title,
                                 const SaveButtons& buttons) = 0;
    // An existing file to open, or an empty text when the user cancels.
    virtual QString openFileName(const QString& title, const QString& directory,
                                 const QString& filter) = 0;

    // The working language's captions of every question's buttons, set by the window when a
    // language is loaded.
    void setAnswerButtons(const AnswerButtons& buttons) { answers_ = buttons; }
    const AnswerButtons& answerButtons() const { return answers_; }

private:
    AnswerButtons answers_;
};

// The real boxes, owned by parent.
class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent) : parent_(parent) {}
    void message(const QString& text, MessageIcon icon, const QString& title) override;
    bool question(const QString& text, const QString& title) override;
    QString saveFileName(const QString& title, const QString& suggestedPath,
                         const QString& filter) override;
    int exec(QDialog& dialog) override;
    SaveChoice askToSave(const QString& text, const QString& title,
                         const SaveButtons& buttons) override;
    QString openFileName(const QString& title, const QString& directory,
                         const QString& filter) override;

private:
    QWidget* parent_;
};

} // namespace ostrel
