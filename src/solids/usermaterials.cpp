#include "solids/usermaterials.h"

#include "solids/inputdeclaration.h"
#include "solids/numbertext.h"

#include <QSettings>
#include <cmath>
#include <memory>

namespace ostrel {

namespace {

constexpr auto kArray = "own";
constexpr auto kName = "name";
constexpr auto kDensity = "density";

constexpr int EntryNameEmpty = 709;
constexpr int EntryNameTaken = 710;
constexpr int EntryNotSaved = 711;
constexpr int EntryAboveZero = 677;

std::unique_ptr<QSettings> open(const QString& iniPath) {
    if (iniPath.isEmpty()) return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

// A stored value as text; anything else (a list, a byte array) counts as missing.
QString text(const QSettings& s, const char* key) {
    const QVariant v = s.value(QLatin1StringView(key));
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

bool validDensity(QStringView text, double& density) {
    density = readNumber(text);
    return !holdsNoNumber(text, density) && std::isfinite(density) && density > 0;
}

bool nameTaken(const std::vector<Material>& materials, const QString& name) {
    for (const Material& m : materials)
        if (m.name.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

} // namespace

UserMaterials::UserMaterials(const QString& iniPath) : iniPath_(iniPath) {}

QString UserMaterials::group() {
    return QStringLiteral("Materials");
}

QString UserMaterials::path() const {
    return open(iniPath_)->fileName();
}

std::vector<Material> UserMaterials::load() const {
    std::vector<Material> out;
    const auto s = open(iniPath_);
    if (s->status() == QSettings::FormatError) return out;
    s->beginGroup(group());
    const int n = s->beginReadArray(QLatin1StringView(kArray));
    for (int i = 0; i < n; ++i) {
        s->setArrayIndex(i);
        Material m;
        m.name = text(*s, kName).trimmed();
        if (m.name.isEmpty() || nameTaken(out, m.name)) continue;
        if (!validDensity(text(*s, kDensity), m.density)) continue;
        out.push_back(m);
    }
    s->endArray();
    s->endGroup();
    return out;
}

UserMaterials::Refusal UserMaterials::add(const QString& name, QStringView densityText) {
    Material m;
    m.name = name.trimmed();
    if (m.name.isEmpty()) return Refusal::EmptyName;
    std::vector<Material> all = load();
    if (nameTaken(all, m.name)) return Refusal::DuplicateName;
    m.density = readNumber(densityText);
    if (holdsNoNumber(densityText, m.density)) return Refusal::NotANumber;
    if (!validDensity(densityText, m.density)) return Refusal::NotPositive;
    all.push_back(m);
    return save(all) ? Refusal::None : Refusal::NotSaved;
}

bool UserMaterials::remove(int index) {
    std::vector<Material> all = load();
    if (index < 0 || index >= int(all.size())) return false;
    all.erase(all.begin() + index);
    return save(all);
}

int UserMaterials::hintEntry(Refusal refusal) {
    switch (refusal) {
    case Refusal::None:
        return 0;
    case Refusal::EmptyName:
        return EntryNameEmpty;
    case Refusal::DuplicateName:
        return EntryNameTaken;
    case Refusal::NotANumber:
        return NotANumberEntry;
    case Refusal::NotPositive:
        return EntryAboveZero;
    case Refusal::NotSaved:
        return EntryNotSaved;
    }
    return 0;
}

bool UserMaterials::save(const std::vector<Material>& materials) const {
    const auto s = open(iniPath_);
    if (s->status() == QSettings::FormatError) return false; // would overwrite what it cannot read
    s->beginGroup(group());
    s->remove(QString()); // the whole group: no entry of a longer list stays behind
    s->beginWriteArray(QLatin1StringView(kArray), int(materials.size()));
    for (int i = 0; i < int(materials.size()); ++i) {
        s->setArrayIndex(i);
        s->setValue(QLatin1StringView(kName), materials[std::size_t(i)].name);
        s->setValue(QLatin1StringView(kDensity), materials[std::size_t(i)].densityText());
    }
    s->endArray();
    s->endGroup();
    s->sync();
    return s->status() == QSettings::NoError;
}

} // namespace ostrel
