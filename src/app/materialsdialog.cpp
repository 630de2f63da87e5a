#include "app/materialsdialog.h"

#include "app/decimalpoint.h"
#include "app/textlimitvalidator.h"
#include "language/language.h"
#include "list/projectfile.h"
#include "platform/dialogs.h"
#include "solids/usermaterials.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ostrel {

namespace {

constexpr int EntryTitle = 703;
constexpr int EntryPurpose = 704;
constexpr int EntryName = 705;
constexpr int EntryDensity = 706;
constexpr int EntryAdd = 707;
constexpr int EntryRemove = 708;
constexpr int EntryClose = 712;

} // namespace

MaterialsDialog::MaterialsDialog(const Language& language, UserMaterials& materials,
                                 Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), language_(language), materials_(materials), dialogs_(dialogs) {
    setObjectName(QStringLiteral("materialsDialog"));
    setWindowTitle(language_.text(EntryTitle));

    auto* purpose = new QLabel(language_.text(EntryPurpose), this);
    purpose->setWordWrap(true);

    table_ = new QTableWidget(0, 2, this);
    table_->setObjectName(QStringLiteral("materialsTable"));
    table_->setHorizontalHeaderLabels({language_.text(EntryName), language_.text(EntryDensity)});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("materialName"));
    TextLimitValidator::install(name_, ProjectLimits::MaxInputText);
    density_ = new QLineEdit(this);
    density_->setObjectName(QStringLiteral("materialDensity"));
    density_->setAlignment(Qt::AlignRight);
    DecimalPoint::install(density_);
    TextLimitValidator::install(density_, ProjectLimits::MaxInputText);
    auto* form = new QFormLayout;
    form->addRow(language_.text(EntryName), name_);
    form->addRow(language_.text(EntryDensity), density_);

    auto* add = new QPushButton(language_.text(EntryAdd), this);
    add->setObjectName(QStringLiteral("addMaterialButton"));
    remove_ = new QPushButton(language_.text(EntryRemove), this);
    remove_->setObjectName(QStringLiteral("removeMaterialButton"));
    auto* close = new QPushButton(language_.text(EntryClose), this);
    close->setObjectName(QStringLiteral("closeMaterialsButton"));
    connect(add, &QPushButton::clicked, this, &MaterialsDialog::addMaterial);
    connect(remove_, &QPushButton::clicked, this, &MaterialsDialog::removeMaterial);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    // Enter in a box adds what it holds; the window closes only by its button or Escape.
    for (QPushButton* b : {add, remove_, close})
        b->setAutoDefault(false);
    connect(name_, &QLineEdit::returnPressed, this, &MaterialsDialog::addMaterial);
    connect(density_, &QLineEdit::returnPressed, this, &MaterialsDialog::addMaterial);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { remove_->setEnabled(!table_->selectedItems().isEmpty()); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove_);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(purpose);
    layout->addWidget(table_, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    fillTable();
    resize(440, 360);
}

void MaterialsDialog::fillTable() {
    const std::vector<Material> own = materials_.load();
    table_->setRowCount(int(own.size()));
    for (int row = 0; row < int(own.size()); ++row) {
        const Material& m = own[size_t(row)];
        table_->setItem(row, 0, new QTableWidgetItem(m.name));
        auto* density = new QTableWidgetItem(m.densityText());
        density->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(row, 1, density);
    }
    table_->clearSelection();
    remove_->setEnabled(false);
}

void MaterialsDialog::tell(int entry, const QString& detail) {
    const QString text = detail.isEmpty() ? language_.text(entry)
                                          : language_.text(entry) + QLatin1Char('\n') + detail;
    dialogs_.message(text, MessageIcon::Exclamation, windowTitle());
}

void MaterialsDialog::addMaterial() {
    const UserMaterials::Refusal refusal = materials_.add(name_->text(), density_->text());
    if (refusal != UserMaterials::Refusal::None) {
        tell(UserMaterials::hintEntry(refusal),
             refusal == UserMaterials::Refusal::NotSaved ? materials_.path() : QString());
        return;
    }
    changed_ = true;
    name_->clear();
    density_->clear();
    fillTable();
    name_->setFocus();
}

void MaterialsDialog::removeMaterial() {
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    if (selected.isEmpty()) return; // the button is disabled then
    if (!materials_.remove(selected.front()->row())) {
        tell(UserMaterials::hintEntry(UserMaterials::Refusal::NotSaved), materials_.path());
        return;
    }
    changed_ = true;
    fillTable();
}

} // namespace ostrel
