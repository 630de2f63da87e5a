// The decimal point of the editor's number boxes: a "," typed, pasted or sent by the numeric
// keypad's decimal key under a comma locale becomes "." as it enters the box, so that the box
// always holds the number readNumber reads. Texts set by the program are left as they are.
#pragma once

#include <QObject>

class QLineEdit;

namespace ostrel {

class DecimalPoint : public QObject {
public:
    // Watches box; the filter is a child of the box and goes with it.
    static void install(QLineEdit* box);

    // The text with every "," written ".".
    static QString withPoints(QString text);

private:
    explicit DecimalPoint(QLineEdit* box);
    void edited(const QString& text);

    QLineEdit* box_;
};

} // namespace ostrel
