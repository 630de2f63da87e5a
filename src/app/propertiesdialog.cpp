#include "app/propertiesdialog.h"

#include "language/langue.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace ostrel {

namespace {

constexpr int EntryTitle = 517;
constexpr int EntryTitleField = 518;
constexpr int EntryAuthorField = 519;
constexpr int EntryNotesField = 520;
// The project file keeps at most these lengths; the boxes stop there instead of the save
// failing later.
constexpr int MaxLineText = 1000;

QString textOr(const Langue& langue, int entry, const char* fallback) {
    const QString text = langue.texte(entry);
    return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

} // namespace

PropertiesDialog::PropertiesDialog(const Langue& langue, const QString& title,
                                   const QString& author, const QString& notes, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ProjectProperties"));
    setWindowTitle(textOr(langue, EntryTitle, "Project properties"));

    title_ = new QLineEdit(title, this);
    title_->setObjectName(QStringLiteral("ProjectTitle"));
    title_->setMaxLength(MaxLineText);
    author_ = new QLineEdit(author, this);
    author_->setObjectName(QStringLiteral("ProjectAuthor"));
    author_->setMaxLength(MaxLineText);
    notes_ = new QPlainTextEdit(notes, this);
    notes_->setObjectName(QStringLiteral("ProjectNotes"));
    notes_->setTabChangesFocus(true);

    auto* form = new QFormLayout;
    form->addRow(textOr(langue, EntryTitleField, "&Title:"), title_);
    form->addRow(textOr(langue, EntryAuthorField, "&Author:"), author_);
    form->addRow(textOr(langue, EntryNotesField, "&Notes:"), notes_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("ProjectPropertiesButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(460, 320);
}

QString PropertiesDialog::title() const {
    return title_->text();
}

QString PropertiesDialog::author() const {
    return author_->text();
}

QString PropertiesDialog::notes() const {
    return notes_->toPlainText();
}

} // namespace ostrel
