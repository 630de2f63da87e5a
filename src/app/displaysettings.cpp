#include "app/displaysettings.h"

#include <QSettings>
#include <memory>

namespace ostrel {

namespace {

constexpr auto kDigits = "digits";
constexpr auto kMass = "mass";
constexpr auto kInertia = "inertia";
constexpr auto kTorque = "torque";

std::unique_ptr<QSettings> open(const QString& iniPath) {
    if (iniPath.isEmpty()) return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

// A stored value as text; anything that is not a plain text (a list, a number stored by another
// program, a byte array) counts as missing.
QString text(const QSettings& s, const char* key) {
    const QVariant v = s.value(QLatin1StringView(key));
    if (v.typeId() != QMetaType::QString) return {};
    return v.toString();
}

} // namespace

DisplaySettings::DisplaySettings(QObject* parent) : QObject(parent) {}

DisplaySettings::DisplaySettings(const QString& iniPath, QObject* parent)
    : QObject(parent), iniPath_(iniPath) {}

QString DisplaySettings::group() {
    return QStringLiteral("Results");
}

DisplayChoice DisplaySettings::load() {
    const auto s = open(iniPath_);
    // Whatever the file's state (a folder that cannot be written reports an access error),
    // the values read are checked one by one; a file that cannot be parsed gives none.
    DisplayTexts texts;
    if (s->status() != QSettings::FormatError) {
        s->beginGroup(group());
        texts.digits = text(*s, kDigits);
        texts.mass = text(*s, kMass);
        texts.inertia = text(*s, kInertia);
        texts.torque = text(*s, kTorque);
        s->endGroup();
    }
    const DisplayChoice loaded = fromTexts(texts);
    if (loaded != choice_) {
        choice_ = loaded;
        emit changed(choice_);
    }
    return choice_;
}

void DisplaySettings::setChoice(const DisplayChoice& choice) {
    // Only choices that went through the stored texts' checks are kept.
    const DisplayChoice checked = fromTexts(toTexts(choice));
    if (checked == choice_) return;
    choice_ = checked;
    save(); // a choice that cannot be stored still applies for this session
    emit changed(choice_);
}

bool DisplaySettings::save() const {
    const auto s = open(iniPath_);
    const DisplayTexts texts = toTexts(choice_);
    s->beginGroup(group());
    s->setValue(QLatin1StringView(kDigits), texts.digits);
    s->setValue(QLatin1StringView(kMass), texts.mass);
    s->setValue(QLatin1StringView(kInertia), texts.inertia);
    s->setValue(QLatin1StringView(kTorque), texts.torque);
    s->endGroup();
    s->sync();
    return s->status() == QSettings::NoError;
}

} // namespace ostrel
