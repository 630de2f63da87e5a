// The project properties window: the title, author and notes of a project, free texts. The
// caller shows it through the Dialogs seam and reads the texts back when it is accepted.
#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace ostrel {

struct Language;

class PropertiesDialog : public QDialog {
public:
    PropertiesDialog(const Language& language, const QString& title, const QString& author,
                     const QString& notes, QWidget* parent = nullptr);

    QString title() const;
    QString author() const;
    QString notes() const;

private:
    QLineEdit* title_ = nullptr;
    QLineEdit* author_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
};

} // namespace ostrel
