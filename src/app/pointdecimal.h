// The decimal point of the editor's number boxes: a "," typed, pasted or sent by the numeric
// keypad's decimal key under a comma locale becomes "." as it enters the box, so that the box
// always holds the number LireNombre reads. Texts set by the program are left as they are.
#pragma once

#include <QObject>

class QLineEdit;

namespace ostrel {

class PointDecimal : public QObject {
public:
    // Watches box; the filter is a child of the box and goes with it.
    static void install(QLineEdit* box);

    // The text with every "," written ".".
    static QString withPoints(QString text);

private:
    explicit PointDecimal(QLineEdit* box);
    void edited(const QString& text);

    QLineEdit* box_;
};

} // namespace ostrel
