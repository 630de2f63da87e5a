#include "platform/dialogs.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace ostrel {

void WidgetDialogs::message(const QString& text, MessageIcon icon, const QString& title) {
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::Warning,
                    title, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool WidgetDialogs::question(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    parent_);
    if (!answerButtons().yes.isEmpty()) box.button(QMessageBox::Yes)->setText(answerButtons().yes);
    if (!answerButtons().no.isEmpty()) box.button(QMessageBox::No)->setText(answerButtons().no);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString WidgetDialogs::saveFileName(const QString& title, const QString& suggestedPath,
                                    const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, title, suggestedPath, filter);
}

int WidgetDialogs::exec(QDialog& dialog) {
    return dialog.exec();
}

SaveChoice WidgetDialogs::askToSave(const QString& text, const QString& title,
                                    const SaveButtons& buttons) {
    QMessageBox box(QMessageBox::Warning, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    const std::pair<QMessageBox::StandardButton, const QString*> captions[] = {
        {QMessageBox::Save, &buttons.save},
        {QMessageBox::Discard, &buttons.discard},
        {QMessageBox::Cancel, &buttons.cancel}};
    for (const auto& [which, caption] : captions)
        if (!caption->isEmpty()) box.button(which)->setText(*caption);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

QString WidgetDialogs::openFileName(const QString& title, const QString& directory,
                                    const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, title, directory, filter);
}

} // namespace ostrel
