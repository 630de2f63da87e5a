#include "app/propertiesdialog.h"

#include "app/textlimitvalidator.h"
#include "language/language.h"
#include "list/projectfile.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace ostrel {

namespace {

constexpr int EntryTitle = 517;
constexpr int EntryTitleField = 518;
constexpr int EntryAuthorField = 519;
constexpr int EntryNotesField = 520;
constexpr int EntryNotesCut = 588;

QString textOr(const Language& language, int entry, const char* fallback) {
    const QString text = language.text(entry);
    return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

} // namespace

PropertiesDialog::PropertiesDialog(const Language& language, const QString& title,
                                   const QString& author, const QString& notes, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("projectProperties"));
    setWindowTitle(textOr(language, EntryTitle, "Project properties"));

    title_ = new QLineEdit(title, this);
    title_->setObjectName(QStringLiteral("projectTitle"));
    // The project file keeps at most these lengths: the boxes stop there, so that every
    // project saved opens again.
    TextLimitValidator::install(title_, ProjectLimits::MaxTitleText);
    author_ = new QLineEdit(author, this);
    author_->setObjectName(QStringLiteral("projectAuthor"));
    TextLimitValidator::install(author_, ProjectLimits::MaxTitleText);
    notes_ = new QPlainTextEdit(notes, this);
    notes_->setObjectName(QStringLiteral("projectNotes"));
    notes_->setTabChangesFocus(true);
    auto* notesCut = new QLabel(textOr(language, EntryNotesCut,
                                       "The notes hold at most 100,000 characters: the rest of "
                                       "the text was not taken."),
                                this);
    notesCut->setObjectName(QStringLiteral("notesCutNote"));
    notesCut->setWordWrap(true);
    notesCut->hide();
    TextLimitValidator::install(notes_, ProjectLimits::MaxNotesText,
                                [notesCut] { notesCut->show(); });

    auto* form = new QFormLayout;
    form->addRow(textOr(language, EntryTitleField, "&Title:"), title_);
    form->addRow(textOr(language, EntryAuthorField, "&Author:"), author_);
    form->addRow(textOr(language, EntryNotesField, "&Notes:"), notes_);
    form->addRow(QString(), notesCut);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("projectPropertiesButtons"));
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
