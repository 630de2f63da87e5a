#include "app/parteditor.h"

#include "app/decimalpoint.h"
#include "app/imagelist.h"
#include "app/materiallist.h"
#include "app/textlimitvalidator.h"
#include "language/language.h"
#include "list/projectfile.h"
#include "platform/dialogs.h"
#include "solids/catalogue.h"
#include "solids/kinds.h"
#include "solids/mechanism.h"
#include "solids/numbertext.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace ostrel {

namespace {

constexpr int kBoxCount = int(MaxInputs);
constexpr int kSolidBoxes = 7;
constexpr QSize kPictureBox(220, 165); // the frame of the kind's picture, in logical pixels
// The rows of the editor's grid: quantity, ratio, the mass modes, the mass or density box, the
// four dimensions, then the further inputs of a mechanism.
constexpr int kRowOfBox[kBoxCount] = {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11};
// The grid's columns: caption, box, unit, material list, note.
enum Column { CaptionColumn, BoxColumn, UnitColumn, MaterialColumn, NoteColumn };

// Whether box i holds a density for some kind: the solids' mass or density box, and the density
// inputs of the mechanisms.
bool mayHoldDensity(std::size_t i) {
    if (i == std::size_t(InputBox::MassOrDensity)) return true;
    for (const Mechanism& m : mechanisms())
        if (i < m.inputs.size() && m.inputs[i].unit == InputUnit::Density) return true;
    return false;
}

// A mechanism's caption: the word of its input, then the letter of the picture and the table.
QString mechanismCaption(const InputDeclaration& in, std::size_t i, const Language& language) {
    const QString word = language.text(in.captionEntry);
    if (i < 2 || !in.symbol) return word;
    return word + QLatin1Char(' ') + QString::fromUtf8(in.symbol);
}

QString unitText(const InputDeclaration& in, const Language& language) {
    const int entry = inputUnitEntry(in.unit);
    return entry ? language.text(entry) : QString::fromUtf8(inputUnitSymbol(in.unit));
}

void setBackground(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
}

void setTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

// A wrapped note of the result block, shown when it has a text: as tall as its text needs at
// its fixed width (the main window's layout never asks a label its height for a width).
void setWrappedText(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
        label->setMinimumHeight(text.isEmpty() ? 0 : label->heightForWidth(label->width()));
    }
    label->setVisible(!text.isEmpty());
}

// What the four results are, for their units.
constexpr Quantity kQuantities[4] = {Quantity::Mass, Quantity::Inertia, Quantity::Torque,
                                     Quantity::Torque};

const QColor kWarning(160, 0, 0); // a note that stands in the way of a result
const QColor kRemark(0, 70, 140); // a note beside a result: the line subtracts

} // namespace

PartEditor::PartEditor(const QString& programDir, const Language& language, const ImageList& images,
                       Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), programDir_(programDir), language_(language), images_(images),
      dialogs_(dialogs) {
    buildControls();
}

QLabel* PartEditor::addLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    return label;
}

void PartEditor::buildControls() {
    static const char* boxNames[kSolidBoxes] = {"quantityBox", "ratioBox",    "massOrDensityBox",
                                                "radiusBox",   "diameterBox", "smallDiameterBox",
                                                "heightBox"};
    const auto nameOf = [](int i, const char* const* names, const char* suffix) {
        return i < kSolidBoxes ? QString::fromLatin1(names[i])
                               : QStringLiteral("input%1%2").arg(i).arg(QLatin1String(suffix));
    };
    for (int i = 0; i < kBoxCount; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(nameOf(i, boxNames, "Box"));
        box->setAlignment(Qt::AlignRight);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 11);
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 16);
        setBackground(box, Qt::white);
        box->installEventFilter(this);
        DecimalPoint::install(box);
        TextLimitValidator::install(box, ProjectLimits::MaxInputText);
        // A new text is a new question: the box may be told again.
        connect(box, &QLineEdit::textEdited, this, [this] { told_ = false; });
        boxes_[static_cast<size_t>(i)] = box;
    }
    static const char* letterNames[4] = {"radiusCaption", "diameterCaption", "smallDiameterCaption",
                                         "heightCaption"};
    static const char* unitNames[4] = {"radiusUnit", "diameterUnit", "smallDiameterUnit",
                                       "heightUnit"};
    static const char* resultNames[4] = {"massResult", "inertiaResult", "frictionResult",
                                         "workingResult"};
    static const char* noteNames[kSolidBoxes] = {
        "quantityNote", "ratioNote",         "massOrDensityNote", "radiusNote",
        "diameterNote", "smallDiameterNote", "heightNote"};
    for (int i = 0; i < kBoxCount; ++i) {
        // Beside its box; a long note wraps rather than widening the editor.
        QLabel* note = new QLabel(this);
        note->setObjectName(nameOf(i, noteNames, "Note"));
        note->setWordWrap(true);
        note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        note->hide();
        notes_[static_cast<size_t>(i)] = note;
    }
    for (size_t i = 0; i < moreCaptions_.size(); ++i) {
        const int box = kSolidBoxes + int(i);
        moreCaptions_[i] = new QLabel(this);
        moreCaptions_[i]->setObjectName(QStringLiteral("input%1Caption").arg(box));
        moreUnits_[i] = new QLabel(this);
        moreUnits_[i]->setObjectName(QStringLiteral("input%1Unit").arg(box));
    }
    for (size_t i = 0; i < materials_.size(); ++i) {
        if (!mayHoldDensity(i)) continue;
        auto* list = new MaterialList(boxes_[i], this);
        list->setObjectName(QStringLiteral("materialList%1").arg(i));
        list->hide();
        // The density picked is a new input: told anew, computed at once.
        connect(list, &QComboBox::activated, this, [this] {
            told_ = false;
            calculatePart();
        });
        materials_[i] = list;
    }
    for (size_t i = 0; i < 4; ++i) {
        letters_[i] = addLabel(letterNames[i], QString());
        units_[i] = addLabel(unitNames[i], QStringLiteral("mm"));
        results_[i] = addLabel(resultNames[i], QString());
        results_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        results_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        results_[i]->setMinimumWidth(
            results_[i]->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 8);
        results_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A right click on a result opens the result block's menu, not the label's own.
        results_[i]->setContextMenuPolicy(Qt::NoContextMenu);
    }
    quantityCaption_ = addLabel("quantityCaption", QStringLiteral("Quantité"));
    ratioCaption_ = addLabel("ratioCaption", QStringLiteral("Rapport/Axe"));
    massCaption_ = addLabel("massCaption", QStringLiteral("Masse"));
    massUnit_ = addLabel("massUnit", QStringLiteral("kg"));
    totalMassOption_ = new QRadioButton(QStringLiteral("Masse Totale"), this);
    totalMassOption_->setObjectName(QStringLiteral("totalMassOption"));
    densityOption_ = new QRadioButton(QStringLiteral("Densité"), this);
    densityOption_->setObjectName(QStringLiteral("densityOption"));
    totalMassOption_->setChecked(true);
    connect(totalMassOption_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) switchToTotalMass();
    });
    connect(densityOption_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) switchToDensity();
    });

    // The kind's picture, in a white frame of fixed size so that the inputs do not move.
    auto* pictureFrame = new QFrame(this);
    pictureFrame->setObjectName(QStringLiteral("pictureFrame"));
    pictureFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    pictureFrame->setAutoFillBackground(true);
    QPalette white = pictureFrame->palette();
    white.setColor(QPalette::Window, Qt::white);
    pictureFrame->setPalette(white);
    picture_ = new QLabel(pictureFrame);
    picture_->setObjectName(QStringLiteral("kindPicture"));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setMinimumSize(kPictureBox);
    auto* pictureLayout = new QVBoxLayout(pictureFrame);
    pictureLayout->setContentsMargins(4, 4, 4, 4);
    pictureLayout->addWidget(picture_);

    // The inputs: caption, box, unit.
    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(8);
    inputs->addWidget(quantityCaption_, 0, 0);
    inputs->addWidget(box(InputBox::Quantity), 0, 1);
    inputs->addWidget(ratioCaption_, 1, 0);
    inputs->addWidget(box(InputBox::Ratio), 1, 1);
    auto* modes = new QHBoxLayout;
    modes->addWidget(totalMassOption_);
    modes->addWidget(densityOption_);
    modes->addStretch(1);
    inputs->addLayout(modes, 2, 0, 1, 3);
    for (size_t i = 2; i < boxes_.size(); ++i) {
        const int row = kRowOfBox[i];
        inputs->addWidget(captionAt(i), row, CaptionColumn);
        inputs->addWidget(boxes_[i], row, BoxColumn);
        inputs->addWidget(unitAt(i), row, UnitColumn);
        if (materials_[i]) inputs->addWidget(materials_[i], row, MaterialColumn);
    }
    for (size_t i = 0; i < notes_.size(); ++i)
        inputs->addWidget(notes_[i], kRowOfBox[i], NoteColumn);
    inputs->setColumnStretch(NoteColumn, 1);
    inputs->setRowStretch(kRowOfBox[kBoxCount - 1] + 1, 1);

    // The result block: caption, value, unit; the small picture of the kind beside the heading.
    auto* resultFrame = new QFrame(this);
    resultFrame->setObjectName(QStringLiteral("resultBlock"));
    resultFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    resultBlock_ = resultFrame;
    auto* results = new QGridLayout(resultFrame);
    QLabel* resultHeading = addLabel("resultHeading", QStringLiteral("Resultat"));
    QFont bold = resultHeading->font();
    bold.setBold(true);
    resultHeading->setFont(bold);
    kindIconLabel_ = addLabel("kindIcon", QString());
    kindIconLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    results->addWidget(resultHeading, 0, 0, 1, 2);
    results->addWidget(kindIconLabel_, 0, 2);
    const char* captions[4][2] = {{"massResultCaption", "massResultUnit"},
                                  {"inertiaResultCaption", "inertiaResultUnit"},
                                  {"frictionResultCaption", "frictionResultUnit"},
                                  {"workingResultCaption", "workingResultUnit"}};
    const QString design[4][2] = {{QStringLiteral("Masse"), QStringLiteral("kg")},
                                  {QStringLiteral("Inertie"), QString::fromUtf8("kg·m²")},
                                  {QStringLiteral("Friction"), QString::fromUtf8("N·m")},
                                  {QStringLiteral("Travail"), QString::fromUtf8("N·m")}};
    for (int i = 0; i < 4; ++i) {
        QLabel* caption = addLabel(captions[i][0], design[i][0]);
        QLabel* unit = addLabel(captions[i][1], design[i][1]);
        resultUnits_[static_cast<size_t>(i)] = unit;
        results->addWidget(caption, 1 + i, 0);
        results_[static_cast<size_t>(i)]->setParent(resultFrame);
        results->addWidget(results_[static_cast<size_t>(i)], 1 + i, 1);
        results->addWidget(unit, 1 + i, 2);
    }
    // What contradicts in the inputs, while the user types: no box until the user confirms.
    inputHint_ = addLabel("inputHint", QString());
    inputHint_->setWordWrap(true);
    inputHint_->setFixedWidth(results_[0]->minimumWidth() * 2);
    setTextColour(inputHint_, kWarning);
    inputHint_->hide();
    results->addWidget(inputHint_, 5, 0, 1, 3);
    // What the tooltip of a hidden result says, written in the block.
    resolutionNote_ = addLabel("resolutionNote", QString());
    resolutionNote_->setWordWrap(true);
    resolutionNote_->setFixedWidth(results_[0]->minimumWidth() * 2);
    setTextColour(resolutionNote_, kRemark);
    resolutionNote_->hide();
    results->addWidget(resolutionNote_, 6, 0, 1, 3);
    results->setRowStretch(7, 1);
    results->setColumnStretch(1, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pictureFrame, 0, Qt::AlignTop);
    layout->addSpacing(8);
    layout->addLayout(inputs, 1);
    layout->addSpacing(8);
    layout->addWidget(resultFrame, 0);

    // The design state until a kind is chosen: quantity and ratio 1, total mass, no dimension.
    box(InputBox::Quantity)->setText(QStringLiteral("1"));
    box(InputBox::Ratio)->setText(QStringLiteral("1"));
    for (size_t i = 3; i < boxes_.size(); ++i) {
        boxes_[i]->hide();
        unitAt(i)->hide();
    }
    for (QLabel* caption : moreCaptions_)
        caption->hide();
}

bool PartEditor::mechanism() const {
    return isMechanism(kindCode_);
}

QLabel* PartEditor::captionAt(std::size_t i) const {
    switch (i) {
    case 0:
        return quantityCaption_;
    case 1:
        return ratioCaption_;
    case 2:
        return massCaption_;
    default:
        return i < 7 ? letters_[i - 3] : moreCaptions_[i - 7];
    }
}

QLabel* PartEditor::unitAt(std::size_t i) const {
    if (i < 2) return nullptr;
    if (i == 2) return massUnit_;
    return i < 7 ? units_[i - 3] : moreUnits_[i - 7];
}

void PartEditor::setOwnMaterials(const std::vector<Material>& own) {
    for (MaterialList* list : materials_)
        if (list) list->setOwn(own);
}

MaterialList* PartEditor::shownMaterialList() const {
    for (MaterialList* list : materials_)
        if (list && !list->isHidden()) return list;
    return nullptr;
}

void PartEditor::showMaterialLists() {
    const auto inputs = kindInputs(kindCode_);
    for (size_t i = 0; i < materials_.size(); ++i) {
        if (!materials_[i]) continue;
        const bool density = mechanism() ? i < inputs.size() && inputs[i].unit == InputUnit::Density
                                         : kindCode_ != 0 && i == size_t(InputBox::MassOrDensity) &&
                                               densityOption_->isChecked();
        if (density) materials_[i]->setTexts(language_.texts);
        materials_[i]->setVisible(density);
    }
}

void PartEditor::setKindIcon(int image) {
    kindIcon_ = image;
    kindIconLabel_->setPixmap(images_.image(image));
}

void PartEditor::showPicture(const QPixmap& picture) {
    if (picture.isNull()) {
        picture_->clear();
        return;
    }
    QPixmap shown = picture;
    if (picture.width() > kPictureBox.width() || picture.height() > kPictureBox.height()) {
        const qreal ratio = devicePixelRatioF();
        shown = picture.scaled(kPictureBox * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        shown.setDevicePixelRatio(ratio);
    }
    picture_->setPixmap(shown);
}

void PartEditor::clearResults() {
    for (size_t i = 0; i < 4; ++i) {
        classic_[i].clear();
        exact_[i].reset();
    }
    showResults();
}

std::optional<double> PartEditor::exactResult(int i) const {
    return i >= 0 && i < 4 ? exact_[static_cast<size_t>(i)] : std::nullopt;
}

void PartEditor::setDisplay(const DisplayChoice& display) {
    display_ = display;
    // Classic writes SI units, with the same symbols as every other place.
    for (size_t i = 0; i < 4; ++i)
        resultUnits_[i]->setText(display_.symbol(kQuantities[i]));
    showResults();
}

QString PartEditor::belowResolutionHint() const {
    // The hint names the menu path of the choice, without access keys.
    const auto plain = [](QString s) {
        s.replace(QLatin1String("&&"), QString(QChar(0x1)));
        s.remove(QLatin1Char('&'));
        s.replace(QChar(0x1), QLatin1Char('&'));
        return s;
    };
    const QString arrow = QStringLiteral(" \u25B8 ");
    return language_.text(457) + QLatin1Char('\n') + plain(language_.text(13)) + arrow +
           plain(language_.text(3)) + arrow + plain(language_.text(450));
}

void PartEditor::showResults() {
    bool hidden = false;
    for (size_t i = 0; i < 4; ++i) {
        const std::optional<double>& exact = exact_[i];
        QString text = classic_[i];
        QString hint;
        if (display_.classic()) {
            // A result the masks cannot show is not hidden without a word.
            const bool readsZero =
                text.isEmpty() || text == QLatin1String(".") || readNumber(text) == 0;
            if (exact && *exact != 0 && std::isfinite(*exact) && readsZero)
                hint = belowResolutionHint();
        } else if (exact) {
            text = display_.format(*exact, kQuantities[i]);
        }
        results_[i]->setText(text);
        results_[i]->setToolTip(hint);
        hidden = hidden || !hint.isEmpty();
    }
    // The tooltip's hint in short, where it is seen without hovering (a right click on the
    // block opens the display menu).
    setWrappedText(resolutionNote_, hidden ? language_.text(614) : QString());
}

void PartEditor::resetInputs() {
    setWrappedText(inputHint_, QString());
    showNotes(CalcOutcome{});
    told_ = false;
    massCaption_->setText(language_.text(9));
    for (QLabel* l : letters_)
        l->setText(QString());
    clearResults();
    box(InputBox::Quantity)->setText(QStringLiteral("1"));
    box(InputBox::Ratio)->setText(QStringLiteral("1"));
    for (size_t i = 2; i < boxes_.size(); ++i)
        boxes_[i]->setText(QString());
    densityOption_->setVisible(true);
    totalMassOption_->setVisible(true);
    totalMassOption_->setChecked(true); // runs the total-mass switch when the mode changes
    massUnit_->setText(QStringLiteral("kg"));
    for (size_t i = 3; i < boxes_.size(); ++i) {
        boxes_[i]->hide();
        unitAt(i)->hide();
    }
    for (QLabel* caption : moreCaptions_)
        caption->hide();
    showMaterialLists();
}

void PartEditor::setUpKind(int code) {
    if (!isKnownKind(code)) return;
    // The kind's picture, read at every setup; a missing or unreadable file shows nothing.
    const QString path = ImageList::findFile(programDir_, QLatin1String(kindBitmap(code)));
    QPixmap picture;
    if (!path.isEmpty()) picture.load(path);
    pictureFile_ = picture.isNull() ? QString() : path;
    showPicture(picture);
    resetInputs();
    kindCode_ = code;
    if (mechanism()) {
        setUpMechanismInputs();
        return;
    }
    const KindInfo* kind = kindInfo(code);
    for (size_t i = 0; i < 4; ++i) {
        const BoxCaption& caption = kind->boxes[i];
        if (!caption.shown) continue;
        letters_[i]->setVisible(true);
        letters_[i]->setText(caption.letter ? QString::fromUtf8(caption.letter)
                                            : language_.text(caption.entry));
        boxes_[3 + i]->setVisible(true);
    }
    applyKindRules();
    if (kind->density == DensityOption::OfferedAndSelected) {
        totalMassOption_->setVisible(true);
        densityOption_->setChecked(true); // runs the density switch
    }
}

void PartEditor::setUpMechanismInputs() {
    const auto inputs = kindInputs(kindCode_);
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const bool shown = i < inputs.size();
        boxes_[i]->setVisible(shown);
        captionAt(i)->setVisible(shown);
        boxes_[i]->setText(shown ? QString::fromUtf8(inputs[i].defaultText) : QString());
    }
    applyKindRules();
    calculatePart();
}

// What the catalogue says of the kind wherever the editor is set up again (setup, after an
// add, take-back, language): whether density is offered, the caption of the mass box, and the
// unit captions of the shown boxes.
void PartEditor::applyKindRules() {
    if (mechanism()) {
        // No mass mode: every box says what it holds.
        totalMassOption_->hide();
        densityOption_->hide();
        const auto inputs = kindInputs(kindCode_);
        for (size_t i = 0; i < inputs.size(); ++i) {
            captionAt(i)->setText(mechanismCaption(inputs[i], i, language_));
            if (QLabel* unit = unitAt(i)) {
                unit->setText(unitText(inputs[i], language_));
                unit->setVisible(true);
            }
        }
        showMaterialLists();
        return;
    }
    const KindInfo* kind = kindInfo(kindCode_);
    if (!kind) return;
    densityOption_->setVisible(kind->density != DensityOption::Hidden);
    if (kind->massCaptionEntry != 0 && totalMassOption_->isChecked())
        massCaption_->setText(language_.text(kind->massCaptionEntry));
    for (size_t i = 0; i < 4; ++i) {
        const BoxCaption& caption = kind->boxes[i];
        units_[i]->setVisible(caption.shown);
        if (!caption.shown) continue;
        const int entry = unitEntry(caption.unit);
        units_[i]->setText(entry ? language_.text(entry)
                                 : QString::fromUtf8(unitSymbol(caption.unit)));
    }
    showMaterialLists();
}

void PartEditor::retranslate() {
    // The captions the kind and the mode give, which the window's translation does not know.
    if (const KindInfo* kind = kindInfo(kindCode_)) {
        for (size_t i = 0; i < 4; ++i) {
            const BoxCaption& caption = kind->boxes[i];
            if (caption.shown && !caption.letter)
                letters_[i]->setText(language_.text(caption.entry));
        }
    }
    if (!mechanism()) massCaption_->setText(language_.text(totalMassOption_->isChecked() ? 9 : 36));
    applyKindRules();
    // The notes and the hint in the new language; before a kind is chosen the results stay as
    // empty as at the start.
    for (size_t i = 0; i < notes_.size(); ++i)
        if (shownNotes_[i] != InputNote::None) notes_[i]->setText(language_.text(shownEntries_[i]));
    if (kindCode_ != 0)
        calculatePart();
    else
        showNotes(outcome());
    showResults();
}

void PartEditor::switchToTotalMass() {
    massCaption_->setText(language_.text(9));
    massUnit_->setText(QStringLiteral("kg"));
    box(InputBox::MassOrDensity)->setText(QString());
    showMaterialLists();
    clearResults();
    calculatePart();
    if (!box(InputBox::Quantity)->isHidden()) box(InputBox::Quantity)->setFocus();
}

void PartEditor::switchToDensity() {
    massCaption_->setText(language_.text(36));
    massUnit_->setText(QStringLiteral("kg/m³"));
    box(InputBox::MassOrDensity)->setText(QStringLiteral("7850"));
    showMaterialLists();
    clearResults();
    calculatePart();
    if (!box(InputBox::Quantity)->isHidden()) box(InputBox::Quantity)->setFocus();
}

QString PartEditor::joinMessage(const std::vector<MessagePiece>& pieces, const Language& language) {
    QString text;
    for (const MessagePiece& piece : pieces)
        text += piece.entry > 0 ? language.text(piece.entry) : piece.literal;
    return text;
}

CalcOutcome PartEditor::outcome() const {
    CalcInputs in;
    in.code = kindCode_;
    in.totalMass = totalMassOption_->isChecked();
    for (size_t i = 0; i < boxes_.size(); ++i)
        in.texts[i] = boxes_[i]->text();
    return ostrel::calculatePart(in);
}

void PartEditor::calculatePart() {
    const CalcOutcome out = outcome();
    showHint(out);
    showNotes(out);
    // The captions always stand for the boxes as they are: inputs without a result empty them.
    const bool results = out.kind == CalcOutcome::Kind::Results;
    for (size_t i = 0; i < 4; ++i) {
        classic_[i] = results ? out.captions[i] : QString();
        exact_[i] = results ? std::optional<double>(out.values[i]) : std::nullopt;
    }
    showResults();
}

void PartEditor::showNotes(const CalcOutcome& out) {
    for (size_t i = 0; i < notes_.size(); ++i) {
        // An empty box is no fault while the user fills the boxes in: the add button names it.
        const InputNote note = out.notes[i] == InputNote::Missing ? InputNote::None : out.notes[i];
        const int entry = note == InputNote::None ? 0 : noteEntryAt(out, i);
        if (note == shownNotes_[i] && entry == shownEntries_[i])
            continue; // every key release comes here
        shownNotes_[i] = note;
        shownEntries_[i] = entry;
        QLabel* label = notes_[i];
        label->setText(note == InputNote::None ? QString() : language_.text(entry));
        setTextColour(label, note == InputNote::Subtracts ? kRemark : kWarning);
        label->setVisible(note != InputNote::None);
    }
}

QString PartEditor::captionOf(InputBox which) const {
    QLabel* caption = captionAt(static_cast<size_t>(which));
    return caption ? caption->text() : QString();
}

QString PartEditor::refusal() const {
    const CalcOutcome out = outcome();
    if (out.kind != CalcOutcome::Kind::NoResult) return {};
    const size_t box = static_cast<size_t>(out.reasonBox);
    const int entry = box < out.notes.size() && out.notes[box] == out.reason
                          ? noteEntryAt(out, box)
                          : noteEntry(out.reason);
    return language_.text(606) + QLatin1Char('\n') + captionOf(out.reasonBox) +
           QStringLiteral(": ") + language_.text(entry);
}

void PartEditor::showHint(const CalcOutcome& out) {
    if (out.kind != CalcOutcome::Kind::Message) {
        setWrappedText(inputHint_, QString());
        return;
    }
    QString text = joinMessage(out.message, language_);
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    setWrappedText(inputHint_, text.simplified());
}

QString PartEditor::hint() const {
    return inputHint_->isHidden() ? QString() : inputHint_->text();
}

bool PartEditor::confirmInputs(bool retell) {
    if (confirming_) return false;
    const CalcOutcome out = outcome();
    if (out.kind != CalcOutcome::Kind::Message) return true;
    if (told_) {
        // Told once for these inputs: the hint stays, and the add button hears it again.
        if (retell)
            dialogs_.message(joinMessage(out.message, language_), out.icon,
                             window()->windowTitle());
        return false;
    }
    confirming_ = true;
    told_ = true;
    dialogs_.message(joinMessage(out.message, language_), out.icon, window()->windowTitle());
    QLineEdit* corrected = box(out.correctedBox);
    corrected->setText(out.correctedText);
    calculatePart();
    // The focus may be on its way to another control: the corrected box takes it afterwards.
    if (out.correctedTakesFocus)
        QTimer::singleShot(0, corrected, [corrected] { corrected->setFocus(); });
    confirming_ = false;
    return false;
}

PartsList::Line PartEditor::line() const {
    PartsList::Line line;
    // The list keeps the classic captions as its cells, and the exact results beside them.
    std::array<double, 4> exact{};
    for (size_t i = 0; i < 4; ++i) {
        line.captions[i] = classic_[i];
        exact[i] = exact_[i].value_or(0.0);
    }
    line.exact = exact;
    line.totalMass = mechanism() || totalMassOption_->isChecked();
    for (size_t i = 0; i < boxes_.size(); ++i)
        line.texts[i] = boxes_[i]->text();
    line.code = kindCode_;
    line.image = kindIcon_;
    return line;
}

void PartEditor::clearAfterAdd() {
    if (mechanism()) {
        // Ready for the next line of the same mechanism: its boxes as at setup.
        setWrappedText(inputHint_, QString());
        told_ = false;
        clearResults();
        setUpMechanismInputs();
        return;
    }
    std::array<bool, 4> shown{};
    std::array<QString, 4> captions;
    for (size_t i = 0; i < 4; ++i) {
        shown[i] = !boxes_[3 + i]->isHidden();
        captions[i] = letters_[i]->text();
    }
    resetInputs();
    for (size_t i = 0; i < 4; ++i) {
        boxes_[3 + i]->setVisible(shown[i]);
        letters_[i]->setText(captions[i]);
    }
    applyKindRules();
}

void PartEditor::setUpTakenBack(const PartsList::TakenBack& line) {
    const KindInfo* kind = kindInfo(kindCode_);
    if (!kind) return;
    setUpKind(kindCode_);
    for (size_t i = 0; i < 4; ++i) {
        if (kind->copiesColumn(10 + static_cast<int>(i)))
            boxes_[3 + i]->setText(line.dimensions[i]);
    }
}

void PartEditor::takeBack(const PartsList::TakenBack& line) {
    kindCode_ = line.code;
    setKindIcon(line.image);
    if (mechanism()) {
        setUpKind(kindCode_);
        for (qsizetype i = 0; i < line.inputs.size() && size_t(i) < boxes_.size(); ++i)
            boxes_[size_t(i)]->setText(line.inputs[i]);
        calculatePart();
        return;
    }
    setUpTakenBack(line);
    // A row stored in density mode selects the density option, so that the caption and the
    // unit of the mass or density box say what the box holds.
    if (line.totalMass)
        totalMassOption_->setChecked(true);
    else
        densityOption_->setChecked(true);
    box(InputBox::Quantity)->setText(line.quantity);
    box(InputBox::Ratio)->setText(line.ratio);
    // The stored mass or density goes back as it was typed: it was never reduced by the ratio.
    box(InputBox::MassOrDensity)->setText(line.mass);
    calculatePart();
}

EditorInputs PartEditor::inputs() const {
    EditorInputs in{kindCode_, kindIcon_, totalMassOption_->isChecked(), {}};
    for (size_t i = 0; i < boxes_.size(); ++i)
        in.texts[i] = boxes_[i]->text();
    return in;
}

void PartEditor::restoreInputs(const EditorInputs& in) {
    setKindIcon(in.image);
    setUpKind(in.code);
    // A mechanism has no mass mode.
    if (!mechanism() && in.totalMass)
        totalMassOption_->setChecked(true);
    else if (!mechanism() && !densityOption_->isHidden())
        densityOption_->setChecked(true);
    const size_t count = std::min(boxes_.size(), std::max<size_t>(kindInputs(in.code).size(), 7));
    for (size_t i = 0; i < count; ++i)
        boxes_[i]->setText(in.texts[i]);
    calculatePart();
}

void PartEditor::moveAlongChain(QLineEdit* from) {
    // The next box shown, in box order; the add button after the last.
    const auto it = std::find(boxes_.begin(), boxes_.end(), from);
    if (it == boxes_.end()) return;
    for (auto next = it + 1; next != boxes_.end(); ++next) {
        QLineEdit* target = *next;
        if (!target->isHidden()) {
            target->setFocus(Qt::OtherFocusReason); // the text is not selected
            return;
        }
    }
    if (endOfChain_) endOfChain_->setFocus(Qt::OtherFocusReason);
}

bool PartEditor::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: {
        setBackground(box, QColor(0, 255, 255));
        // A box reached by Tab or a shortcut would select its whole text: it takes the focus
        // as from a click instead, so that its text stays unselected.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason) {
            QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(box, &plain);
            return true;
        }
        break;
    }
    case QEvent::FocusOut: {
        setBackground(box, QColor(255, 255, 255));
        // Leaving the box for another control of the window confirms it; a window or a menu
        // taking the focus for a while does not, nor the window closing. The add button confirms by
        // itself, so that a line told wrong is not added on the same click.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        QWidget* next = QApplication::focusWidget();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && next &&
            next != box && next != endOfChain_ && next->window() == window() &&
            window()->isVisible())
            confirmInputs();
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter confirms the box; inputs that contradict keep the user where the
            // correction puts them.
            if (confirmInputs()) moveAlongChain(box);
        }
        break;
    }
    case QEvent::KeyRelease:
        calculatePart();
        break;
    default:
        break;
    }
    return false; // every key passes on unchanged
}

} // namespace ostrel
