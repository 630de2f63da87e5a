#include "app/materiallist.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace ostrel {

MaterialList::MaterialList(QLineEdit* box, QWidget* parent) : QComboBox(parent), box_(box) {
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setFocusPolicy(Qt::StrongFocus);
    refill();
    connect(box_, &QLineEdit::textChanged, this, &MaterialList::follow);
    connect(this, &QComboBox::activated, this, &MaterialList::pick);
}

void MaterialList::setTexts(const QStringList& texts) {
    if (texts == texts_) return; // shown again in the same language
    texts_ = texts;
    setToolTip(texts_.value(MaterialCaptionEntry));
    setAccessibleName(texts_.value(MaterialCaptionEntry));
    refill();
}

void MaterialList::setOwn(const std::vector<Material>& own) {
    own_ = own;
    refill();
}

int MaterialList::matched() const {
    return currentIndex() < int(choices_.size()) ? currentIndex() : -1;
}

void MaterialList::pick(int index) {
    if (index < 0 || index >= int(choices_.size())) {
        follow(); // "Other" writes nothing: the list shows what the box holds
        return;
    }
    const QString density = choices_[size_t(index)].densityText();
    if (box_->text() != density) box_->setText(density);
    follow();
}

void MaterialList::refill() {
    choices_ = materialChoices(own_);
    const QSignalBlocker quiet(this);
    clear();
    for (const Material& m : choices_)
        addItem(m.displayName(texts_));
    addItem(texts_.value(OtherMaterialEntry));
    follow();
}

void MaterialList::follow() {
    const int index = matchingMaterial(choices_, box_->text());
    const QSignalBlocker quiet(this);
    setCurrentIndex(index < 0 ? int(choices_.size()) : index);
}

} // namespace ostrel
