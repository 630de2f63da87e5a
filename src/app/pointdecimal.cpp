#include "app/pointdecimal.h"

#include <QLineEdit>

namespace ostrel {

PointDecimal::PointDecimal(QLineEdit* box) : QObject(box), box_(box) {
    connect(box, &QLineEdit::textEdited, this, &PointDecimal::edited);
}

void PointDecimal::install(QLineEdit* box) {
    new PointDecimal(box);
}

QString PointDecimal::withPoints(QString text) {
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

void PointDecimal::edited(const QString& text) {
    if (!text.contains(QLatin1Char(','))) return;
    // One character for one: the cursor stays where the user left it.
    const int cursor = box_->cursorPosition();
    box_->setText(withPoints(text));
    box_->setCursorPosition(cursor);
}

} // namespace ostrel
