#include "platform/dialogs.h"

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
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

QString WidgetDialogs::saveFileName(const QString& title, const QString& suggestedPath,
                                    const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, title, suggestedPath, filter);
}

int WidgetDialogs::exec(QDialog& dialog) {
    return dialog.exec();
}

} // namespace ostrel
