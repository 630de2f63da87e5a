#include "app/motorsdialog.h"

#include "app/usermotors.h"
#include "drive/motorcsv.h"
#include "drive/motorlistmodel.h"
#include "drive/motortext.h"
#include "list/projectfile.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

namespace ostrel {

namespace {

enum Entry : int {
    CsvFilter = 512,
    ExportFailed = 498,
    Title = 773,
    AddButton = 774,
    ReplaceButton = 775,
    RemoveButton = 776,
    ImportButton = 777,
    ExportButton = 778,
    CloseButton = 779,
    ImportTitle = 780,
    ExportTitle = 781,
    ReplaceRefusedFile = 786,
    HowToEdit = 789,
};

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

MotorsDialog::MotorsDialog(UserMotors& motors, Dialogs& dialogs, const QStringList& texts,
                           const DisplayChoice& choice, QWidget* parent)
    : QDialog(parent), motors_(motors), dialogs_(dialogs), texts_(texts) {
    setObjectName(QStringLiteral("motorsDialog"));
    setWindowTitle(texts.value(Title));

    model_ = new MotorListModel(this);
    model_->setTexts(texts);
    model_->setDisplay(choice);
    model_->setList(motors.list());

    auto* note = new QLabel(texts.value(HowToEdit), this);
    note->setObjectName(QStringLiteral("motorsNote"));
    note->setWordWrap(true);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("motorTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionsClickable(true);
    table_->horizontalHeader()->setSortIndicatorShown(false);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->resizeColumnsToContents();
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &MotorsDialog::sortByColumn);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MotorsDialog::rowChosen);

    // The motor's values under the grid, three to a row: caption, box and unit, in the grid's
    // column order; the buttons that use them beside.
    auto* form = new QGridLayout;
    form->setHorizontalSpacing(6);
    for (int i = 0; i < MotorFieldCount; ++i) {
        const auto field = static_cast<MotorField>(i);
        auto* caption = new QLabel(texts.value(MotorEntry::FirstField + i), this);
        boxes_[i] = new QLineEdit(this);
        boxes_[i]->setObjectName(motorFieldKey(field) + QStringLiteral("Box"));
        caption->setBuddy(boxes_[i]);
        const bool inertia = field == MotorField::RotorInertia || field == MotorField::BrakeInertia;
        auto* unit =
            new QLabel(inertia ? choice.symbol(Quantity::Inertia) : motorFieldUnit(field), this);
        if (i > 0) boxes_[i]->setAlignment(Qt::AlignRight);
        const int row = i % 3, column = 4 * (i / 3);
        form->addWidget(caption, row, column);
        form->addWidget(boxes_[i], row, column + 1);
        form->addWidget(unit, row, column + 2);
        form->setColumnMinimumWidth(column + 3, 12);
    }
    boxes_[0]->setMaxLength(Motor::MaxNameLength);

    QPushButton* add = button(this, "addMotorButton", texts.value(AddButton));
    replace_ = button(this, "replaceMotorButton", texts.value(ReplaceButton));
    remove_ = button(this, "removeMotorButton", texts.value(RemoveButton));
    connect(add, &QPushButton::clicked, this, &MotorsDialog::addMotor);
    connect(replace_, &QPushButton::clicked, this, &MotorsDialog::replaceMotor);
    connect(remove_, &QPushButton::clicked, this, &MotorsDialog::removeMotor);
    auto* editButtons = new QVBoxLayout;
    editButtons->addWidget(add);
    editButtons->addWidget(replace_);
    editButtons->addWidget(remove_);
    auto* editor = new QHBoxLayout;
    editor->addLayout(form);
    editor->addStretch(1);
    editor->addLayout(editButtons);

    QPushButton* import = button(this, "importMotorsButton", texts.value(ImportButton));
    QPushButton* exportButton = button(this, "exportMotorsButton", texts.value(ExportButton));
    QPushButton* close = button(this, "closeMotorsButton", texts.value(CloseButton));
    connect(import, &QPushButton::clicked, this, &MotorsDialog::importCsv);
    connect(exportButton, &QPushButton::clicked, this, &MotorsDialog::exportCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(import);
    bottom->addWidget(exportButton);
    bottom->addStretch(1);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(table_, 1);
    layout->addLayout(editor);
    layout->addLayout(bottom);
    // Wide enough for every column of the grid beside the boxes, within the screen.
    int columns = 2 * table_->frameWidth() + 4;
    for (int c = 0; c < MotorFieldCount; ++c)
        columns += table_->columnWidth(c);
    QSize size = sizeHint().expandedTo(QSize(columns + 30, 480));
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableSize() * 0.95);
    resize(size);
    rowChosen();
}

int MotorsDialog::chosenRow() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void MotorsDialog::rowChosen() {
    const int row = chosenRow();
    replace_->setEnabled(row >= 0);
    remove_->setEnabled(row >= 0);
    if (row < 0) return;
    const QStringList texts = motorEditTexts(model_->list().at(row), model_->display());
    for (int i = 0; i < MotorFieldCount; ++i)
        boxes_[i]->setText(texts.value(i));
}

QStringList MotorsDialog::boxTexts() const {
    QStringList texts;
    for (const QLineEdit* box : boxes_)
        texts << box->text();
    return texts;
}

void MotorsDialog::tell(const std::vector<MessagePiece>& pieces) {
    dialogs_.message(messageText(pieces, texts_), MessageIcon::Exclamation, windowTitle());
}

bool MotorsDialog::refused(const MotorFault& fault) {
    if (!fault) return false;
    tell(motorFaultMessage(fault));
    boxes_[static_cast<size_t>(fault.field)]->setFocus();
    return true;
}

std::optional<Motor> MotorsDialog::boxMotor() {
    const MotorParse parse = motorFromEditTexts(boxTexts(), model_->display());
    if (refused(parse.fault)) return std::nullopt;
    return parse.motor;
}

void MotorsDialog::addMotor() {
    const std::optional<Motor> motor = boxMotor();
    if (!motor || refused(model_->add(*motor))) return;
    table_->selectRow(model_->rowCount() - 1);
    commit();
}

void MotorsDialog::replaceMotor() {
    const int row = chosenRow();
    if (row < 0) return;
    const std::optional<Motor> motor = boxMotor();
    if (!motor || refused(model_->replace(row, *motor))) return;
    commit();
}

void MotorsDialog::removeMotor() {
    const int row = chosenRow();
    if (row < 0 || !model_->remove(row)) return;
    table_->clearSelection();
    commit();
}

void MotorsDialog::sortByColumn(int column) {
    // A second click on the same heading sorts the other way.
    sortOrder_ = column == sortColumn_ && sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                           : Qt::AscendingOrder;
    sortColumn_ = column;
    table_->clearSelection();
    model_->sort(column, sortOrder_);
    table_->horizontalHeader()->setSortIndicatorShown(true);
    table_->horizontalHeader()->setSortIndicator(column, sortOrder_);
    commit();
}

void MotorsDialog::importCsv() {
    const QString path =
        dialogs_.openFileName(texts_.value(ImportTitle),
                              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                              texts_.value(CsvFilter));
    if (path.isEmpty()) return;
    const MotorCsvRead read = readMotorsCsv(path);
    if (!read.ok) {
        tell(read.error);
        return;
    }
    // A motor whose name the list already holds refuses the whole file, naming its line.
    const std::vector<MessagePiece> refusal = model_->addAll(read.motors, read.lines);
    if (!refusal.empty()) {
        tell(motorFileMessage(MotorListEntry::ImportFailed, path, refusal));
        return;
    }
    table_->resizeColumnsToContents();
    commit();
}

void MotorsDialog::exportCsv() {
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("motors.csv"));
    QString path =
        dialogs_.saveFileName(texts_.value(ExportTitle), suggested, texts_.value(CsvFilter));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    const MotorListSave saved =
        saveMotorFile(motorsCsv(model_->list().motors()), path, ExportFailed);
    if (!saved.ok) tell(saved.error);
}

void MotorsDialog::commit() {
    if (motors_.keepsRefusedFile() && !askedToReplace_) {
        askedToReplace_ = true;
        if (dialogs_.question(texts_.value(ReplaceRefusedFile), windowTitle()))
            motors_.replaceRefusedFile();
    }
    const MotorListSave saved = motors_.setList(model_->list());
    if (!saved.ok) tell(saved.error);
}

} // namespace ostrel
