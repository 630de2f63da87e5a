#include "app/decimalpoint.h"

#include <QLineEdit>

namespace ostrel {

DecimalPoint::DecimalPoint(QLineEdit* box) : QObject(box), box_(box) {
    connect(box, &QLineEdit::textEdited, this, &DecimalPoint::edited);
}

void DecimalPoint::install(QLineEdit* box) {
    new DecimalPoint(box);
}

QString DecimalPoint::withPoints(QString text) {
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

void DecimalPoint::edited(const QString& text) {
    if (!text.contains(QLatin1Char(','))) return;
    // One character for one: the cursor stays where the user left it.
    const int cursor = box_->cursorPosition();
    box_->setText(withPoints(text));
    box_->setCursorPosition(cursor);
}

} // namespace ostrel
