// The user's choice of how results are shown (digits and units), kept per user with QSettings
// in the user's configuration folder, apart from Ostrel.cfg. Reading never fails: missing,
// unreadable or unknown values fall back to Classic and SI units, field by field.
#pragma once

#include "solids/units.h"

#include <QObject>
#include <QString>

namespace ostrel {

class DisplaySettings : public QObject {
    Q_OBJECT

public:
    // The settings of the organisation and application names the program sets, in the user's
    // configuration folder.
    explicit DisplaySettings(QObject* parent = nullptr);
    // The settings in an INI file at path (tests, or a portable set-up).
    explicit DisplaySettings(const QString& iniPath, QObject* parent = nullptr);

    const DisplayChoice& choice() const { return choice_; }

    // Reads the stored choice, signals it when it differs from the current one, and returns it.
    DisplayChoice load();
    // Makes choice the current one, stores it and signals the change; the same choice again
    // does nothing.
    void setChoice(const DisplayChoice& choice);

    // The key group the choice is stored under.
    static QString group();

signals:
    void changed(const ostrel::DisplayChoice& choice);

private:
    bool save() const;

    QString iniPath_; // empty: the user's configuration folder
    DisplayChoice choice_;
};

} // namespace ostrel
