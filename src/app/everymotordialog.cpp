#include "app/everymotordialog.h"

#include "drive/motortablemodel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ostrel {

namespace {

constexpr int Title = 783;
constexpr int CloseButton = 779;
constexpr int HowToPick = 787;

} // namespace

EveryMotorDialog::EveryMotorDialog(MotorTableModel* model, const QStringList& texts,
                                   QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("everyMotorDialog"));
    setWindowTitle(texts.value(Title));
    model_->setParent(this);

    auto* note = new QLabel(texts.value(HowToPick), this);
    note->setObjectName(QStringLiteral("everyMotorNote"));
    note->setWordWrap(true);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("everyMotorTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->setWordWrap(false);
    table_->resizeColumnsToContents();
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        picked_ = model_->motorIndex(index.row());
        if (picked_ >= 0) accept();
    });
    if (const int row = model_->smallestPassingRow(); row >= 0) {
        table_->selectRow(row);
        table_->scrollTo(model_->index(row, 0));
    }

    auto* close = new QPushButton(texts.value(CloseButton), this);
    close->setObjectName(QStringLiteral("closeEveryMotorButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(table_, 1);
    layout->addLayout(bottom);
    // As wide as the table's columns, within reason.
    int width = 0;
    for (int c = 0; c < model_->columnCount(); ++c)
        width += table_->columnWidth(c);
    resize(std::min(width + 60, 1400), 420);
}

} // namespace ostrel
