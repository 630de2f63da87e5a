// Typing and clicking in the program's windows as the user does, for the tools that draw its
// pictures.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

namespace ostrel::shot {

// Replaces the text of the named box key by key; a box the window lacks is left alone.
inline void type(QWidget& window, const QString& name, const QString& text) {
    auto* box = window.findChild<QLineEdit*>(name);
    if (!box) return;
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

inline void click(QWidget& window, const QString& name) {
    QTest::mouseClick(window.findChild<QAbstractButton*>(name), Qt::LeftButton);
}

} // namespace ostrel::shot
