#include "app/editeur.h"

#include "app/imagelist.h"
#include "app/pointdecimal.h"
#include "language/langue.h"
#include "platform/dialogs.h"
#include "solids/catalogue.h"
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

constexpr int kBoxCount = 7;
constexpr QSize kPictureBox(220, 165); // the frame of the kind's picture, in logical pixels

// The boxes that Enter moves to from each box, in InputBox order; the first visible one wins,
// and the end of the chain (Plus) when none is.
const std::array<std::vector<int>, kBoxCount>& enterChains() {
    static const std::array<std::vector<int>, kBoxCount> chains{{
        {1},          // Text1: Text2
        {2},          // Text2: Text3
        {3, 4, 5, 6}, // Text3: Text5 ... Text8
        {4, 5, 6},    // Text5
        {5, 6},       // Text6
        {6},          // Text7
        {},           // Text8: always Plus
    }};
    return chains;
}

void setBackground(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
}

} // namespace

Editeur::Editeur(const QString& programDir, const Langue& langue, const ImageList& images,
                 Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), programDir_(programDir), langue_(langue), images_(images),
      dialogs_(dialogs) {
    buildControls();
}

QLabel* Editeur::addLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    return label;
}

void Editeur::buildControls() {
    static const char* boxNames[kBoxCount] = {"Text1", "Text2", "Text3", "Text5",
                                              "Text6", "Text7", "Text8"};
    for (int i = 0; i < kBoxCount; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QLatin1String(boxNames[i]));
        box->setAlignment(Qt::AlignRight);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 11);
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 16);
        setBackground(box, Qt::white);
        box->installEventFilter(this);
        PointDecimal::install(box);
        // A new text is a new question: the box may be told again.
        connect(box, &QLineEdit::textEdited, this, [this] { told_ = false; });
        boxes_[static_cast<size_t>(i)] = box;
    }
    static const char* letterNames[4] = {"Label7", "Label8", "Label9", "Label10"};
    static const char* unitNames[4] = {"Label4", "Label19", "Label20", "Label25"};
    static const char* resultNames[4] = {"Label14", "Label17", "Label21", "Label22"};
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
    QLabel* label3 = addLabel("Label3", QStringLiteral("Quantité"));
    QLabel* label2 = addLabel("Label2", QStringLiteral("Rapport/Axe"));
    label1_ = addLabel("Label1", QStringLiteral("Masse"));
    label6_ = addLabel("Label6", QStringLiteral("kg"));
    masseTotal_ = new QRadioButton(QStringLiteral("Masse Totale"), this);
    masseTotal_->setObjectName(QStringLiteral("MasseTotal"));
    masseSpecifique_ = new QRadioButton(QStringLiteral("Densité"), this);
    masseSpecifique_->setObjectName(QStringLiteral("MasseSpecifique"));
    masseTotal_->setChecked(true);
    connect(masseTotal_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) switchToTotalMass();
    });
    connect(masseSpecifique_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) switchToDensity();
    });

    // The kind's picture, in a white frame of fixed size so that the inputs do not move.
    auto* pictureFrame = new QFrame(this);
    pictureFrame->setObjectName(QStringLiteral("Picture1"));
    pictureFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    pictureFrame->setAutoFillBackground(true);
    QPalette white = pictureFrame->palette();
    white.setColor(QPalette::Window, Qt::white);
    pictureFrame->setPalette(white);
    image1_ = new QLabel(pictureFrame);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setAlignment(Qt::AlignCenter);
    image1_->setMinimumSize(kPictureBox);
    auto* pictureLayout = new QVBoxLayout(pictureFrame);
    pictureLayout->setContentsMargins(4, 4, 4, 4);
    pictureLayout->addWidget(image1_);

    // The inputs: caption, box, unit.
    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(8);
    inputs->addWidget(label3, 0, 0);
    inputs->addWidget(box(InputBox::Text1), 0, 1);
    inputs->addWidget(label2, 1, 0);
    inputs->addWidget(box(InputBox::Text2), 1, 1);
    auto* modes = new QHBoxLayout;
    modes->addWidget(masseTotal_);
    modes->addWidget(masseSpecifique_);
    modes->addStretch(1);
    inputs->addLayout(modes, 2, 0, 1, 3);
    inputs->addWidget(label1_, 3, 0);
    inputs->addWidget(box(InputBox::Text3), 3, 1);
    inputs->addWidget(label6_, 3, 2);
    for (int i = 0; i < 4; ++i) {
        inputs->addWidget(letters_[static_cast<size_t>(i)], 4 + i, 0);
        inputs->addWidget(boxes_[static_cast<size_t>(3 + i)], 4 + i, 1);
        inputs->addWidget(units_[static_cast<size_t>(i)], 4 + i, 2);
    }
    inputs->setColumnStretch(3, 1);
    inputs->setRowStretch(8, 1);

    // The result block: caption, value, unit; the small picture of the kind beside the heading.
    auto* resultFrame = new QFrame(this);
    resultFrame->setObjectName(QStringLiteral("Picture2"));
    resultFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    resultBlock_ = resultFrame;
    auto* results = new QGridLayout(resultFrame);
    QLabel* label5 = addLabel("Label5", QStringLiteral("Resultat"));
    QFont bold = label5->font();
    bold.setBold(true);
    label5->setFont(bold);
    image3Label_ = addLabel("Image3", QString());
    image3Label_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    results->addWidget(label5, 0, 0, 1, 2);
    results->addWidget(image3Label_, 0, 2);
    const char* captions[4][2] = {{"Label13", "Label15"},
                                  {"Label16", "Label18"},
                                  {"Label11", "Label23"},
                                  {"Label12", "Label24"}};
    const QString design[4][2] = {{QStringLiteral("Masse"), QStringLiteral("kg")},
                                  {QStringLiteral("Inertie"), QString::fromUtf8("kg·m²")},
                                  {QStringLiteral("Friction"), QStringLiteral("Nm")},
                                  {QStringLiteral("Travail"), QStringLiteral("Nm")}};
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
    hint_ = addLabel("Conseil", QString());
    hint_->setWordWrap(true);
    hint_->setMaximumWidth(results_[0]->minimumWidth() * 2);
    QPalette warning = hint_->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
    hint_->setPalette(warning);
    hint_->hide();
    results->addWidget(hint_, 5, 0, 1, 3);
    results->setRowStretch(6, 1);
    results->setColumnStretch(1, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pictureFrame, 0, Qt::AlignTop);
    layout->addSpacing(8);
    layout->addLayout(inputs, 1);
    layout->addSpacing(8);
    layout->addWidget(resultFrame, 0);

    // The design state until a kind is chosen: quantity and ratio 1, total mass, no dimension.
    box(InputBox::Text1)->setText(QStringLiteral("1"));
    box(InputBox::Text2)->setText(QStringLiteral("1"));
    for (size_t i = 0; i < 4; ++i) {
        boxes_[3 + i]->hide();
        units_[i]->hide();
    }
}

void Editeur::setImage3(int image) {
    image3_ = image;
    image3Label_->setPixmap(images_.image(image));
}

void Editeur::showImage1(const QPixmap& picture) {
    if (picture.isNull()) {
        image1_->clear();
        return;
    }
    QPixmap shown = picture;
    if (picture.width() > kPictureBox.width() || picture.height() > kPictureBox.height()) {
        const qreal ratio = devicePixelRatioF();
        shown = picture.scaled(kPictureBox * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        shown.setDevicePixelRatio(ratio);
    }
    image1_->setPixmap(shown);
}

void Editeur::clearResults() {
    for (size_t i = 0; i < 4; ++i) {
        classic_[i].clear();
        exact_[i].reset();
    }
    showResults();
}

std::optional<double> Editeur::exactResult(int i) const {
    return i >= 0 && i < 4 ? exact_[static_cast<size_t>(i)] : std::nullopt;
}

void Editeur::setDisplay(const DisplayChoice& display) {
    display_ = display;
    showResults();
}

QString Editeur::belowResolutionHint() const {
    // The hint names the menu path of the choice, without access keys.
    const auto plain = [](QString s) {
        s.replace(QLatin1String("&&"), QString(QChar(0x1)));
        s.remove(QLatin1Char('&'));
        s.replace(QChar(0x1), QLatin1Char('&'));
        return s;
    };
    const QString arrow = QStringLiteral(" \u25B8 ");
    return langue_.texte(457) + QLatin1Char('\n') + plain(langue_.texte(13)) + arrow +
           plain(langue_.texte(3)) + arrow + plain(langue_.texte(450));
}

void Editeur::showResults() {
    static const QString design[4] = {QStringLiteral("kg"), QString::fromUtf8("kg·m²"),
                                      QStringLiteral("Nm"), QStringLiteral("Nm")};
    static const Quantity quantities[4] = {Quantity::Mass, Quantity::Inertia, Quantity::Torque,
                                           Quantity::Torque};
    for (size_t i = 0; i < 4; ++i) {
        const std::optional<double>& exact = exact_[i];
        QString text = classic_[i];
        QString hint;
        if (display_.classic()) {
            // A result the masks cannot show is not hidden without a word.
            const bool readsZero =
                text.isEmpty() || text == QLatin1String(".") || LireNombre(text) == 0;
            if (exact && *exact != 0 && std::isfinite(*exact) && readsZero)
                hint = belowResolutionHint();
            resultUnits_[i]->setText(design[i]);
        } else {
            if (exact) text = display_.format(*exact, quantities[i]);
            resultUnits_[i]->setText(display_.symbol(quantities[i]));
        }
        results_[i]->setText(text);
        results_[i]->setToolTip(hint);
    }
}

void Editeur::ReinitialiseSaisie() {
    hint_->clear();
    hint_->hide();
    told_ = false;
    label1_->setText(langue_.texte(9));
    for (QLabel* l : letters_)
        l->setText(QString());
    clearResults();
    box(InputBox::Text1)->setText(QStringLiteral("1"));
    box(InputBox::Text2)->setText(QStringLiteral("1"));
    for (size_t i = 2; i < boxes_.size(); ++i)
        boxes_[i]->setText(QString());
    masseSpecifique_->setVisible(true);
    masseTotal_->setVisible(true);
    masseTotal_->setChecked(true); // runs the total-mass switch when the mode changes
    for (size_t i = 0; i < 4; ++i) {
        boxes_[3 + i]->hide();
        units_[i]->hide();
    }
}

void Editeur::PrepareSolide(int code) {
    const KindInfo* kind = kindInfo(code);
    if (!kind) return;
    // The kind's picture, read at every setup; a missing or unreadable file shows nothing.
    const QString path = ImageList::findFile(programDir_, QLatin1String(kind->bitmapFile));
    QPixmap picture;
    if (!path.isEmpty()) picture.load(path);
    image1File_ = picture.isNull() ? QString() : path;
    showImage1(picture);
    ReinitialiseSaisie();
    typeSolide_ = kind->code;
    for (size_t i = 0; i < 4; ++i) {
        const BoxCaption& caption = kind->boxes[i];
        if (!caption.shown) continue;
        letters_[i]->setVisible(true);
        letters_[i]->setText(caption.letter ? QString::fromUtf8(caption.letter)
                                            : langue_.texte(caption.entry));
        boxes_[3 + i]->setVisible(true);
    }
    applyKindRules();
    if (kind->density == DensityOption::OfferedAndSelected) {
        masseTotal_->setVisible(true);
        masseSpecifique_->setChecked(true); // runs the density switch
    }
}

// What the catalogue says of the kind wherever the editor is set up again (setup, after an
// add, take-back, language): whether density is offered, the caption of the mass box, and the
// unit captions of the shown boxes.
void Editeur::applyKindRules() {
    const KindInfo* kind = kindInfo(typeSolide_);
    if (!kind) return;
    masseSpecifique_->setVisible(kind->density != DensityOption::Hidden);
    if (kind->massCaptionEntry != 0 && masseTotal_->isChecked())
        label1_->setText(langue_.texte(kind->massCaptionEntry));
    for (size_t i = 0; i < 4; ++i) {
        const BoxCaption& caption = kind->boxes[i];
        units_[i]->setVisible(caption.shown);
        if (!caption.shown) continue;
        const int entry = unitEntry(caption.unit);
        units_[i]->setText(entry ? langue_.texte(entry)
                                 : QString::fromUtf8(unitSymbol(caption.unit)));
    }
}

void Editeur::retranslate() {
    applyKindRules();
    if (!hint_->isHidden()) CalculeInertie(); // the hint in the new language
    showResults();
}

void Editeur::switchToTotalMass() {
    label1_->setText(langue_.texte(9));
    label6_->setText(QStringLiteral("kg"));
    box(InputBox::Text3)->setText(QString());
    clearResults();
    CalculeInertie();
    if (!box(InputBox::Text1)->isHidden()) box(InputBox::Text1)->setFocus();
}

void Editeur::switchToDensity() {
    label1_->setText(langue_.texte(36));
    label6_->setText(QStringLiteral("kg/m³"));
    box(InputBox::Text3)->setText(QStringLiteral("7850"));
    clearResults();
    CalculeInertie();
    if (!box(InputBox::Text1)->isHidden()) box(InputBox::Text1)->setFocus();
}

QString Editeur::joinMessage(const std::vector<MessagePiece>& pieces, const Langue& langue) {
    QString text;
    for (const MessagePiece& piece : pieces)
        text += piece.entry > 0 ? langue.texte(piece.entry) : piece.literal;
    return text;
}

CalcOutcome Editeur::outcome() const {
    CalcInputs in;
    in.code = typeSolide_;
    in.masseTotale = masseTotal_->isChecked();
    for (size_t i = 0; i < boxes_.size(); ++i)
        in.texts[i] = boxes_[i]->text();
    return ostrel::CalculeInertie(in);
}

void Editeur::CalculeInertie() {
    const CalcOutcome out = outcome();
    showHint(out);
    switch (out.kind) {
    case CalcOutcome::Kind::Results:
        for (size_t i = 0; i < 4; ++i) {
            classic_[i] = out.captions[i];
            exact_[i] = out.values[i];
        }
        showResults();
        break;
    case CalcOutcome::Kind::NoChange:
        break;
    case CalcOutcome::Kind::Cleared:
    case CalcOutcome::Kind::Message: // no result until the inputs agree
        for (size_t i = 0; i < 2; ++i) {
            classic_[i].clear();
            exact_[i].reset();
        }
        showResults();
        break;
    }
}

void Editeur::showHint(const CalcOutcome& out) {
    if (out.kind != CalcOutcome::Kind::Message) {
        hint_->hide();
        hint_->clear();
        return;
    }
    QString text = joinMessage(out.message, langue_);
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    hint_->setText(text.simplified());
    hint_->show();
}

QString Editeur::hint() const {
    return hint_->isHidden() ? QString() : hint_->text();
}

bool Editeur::confirmInputs() {
    if (confirming_) return false;
    const CalcOutcome out = outcome();
    if (out.kind != CalcOutcome::Kind::Message) return true;
    if (told_) return false; // told once for these inputs: the hint stays
    confirming_ = true;
    told_ = true;
    dialogs_.message(joinMessage(out.message, langue_), out.icon, window()->windowTitle());
    QLineEdit* corrected = box(out.correctedBox);
    corrected->setText(out.correctedText);
    CalculeInertie();
    // The focus may be on its way to another control: the corrected box takes it afterwards.
    if (out.correctedTakesFocus)
        QTimer::singleShot(0, corrected, [corrected] { corrected->setFocus(); });
    confirming_ = false;
    return false;
}

PartsList::Line Editeur::line() const {
    PartsList::Line line;
    // The list keeps the classic captions as its cells, and the exact results beside them.
    std::array<double, 4> exact{};
    for (size_t i = 0; i < 4; ++i) {
        line.captions[i] = classic_[i];
        exact[i] = exact_[i].value_or(0.0);
    }
    line.exact = exact;
    line.masseTotale = masseTotal_->isChecked();
    for (size_t i = 0; i < boxes_.size(); ++i)
        line.texts[i] = boxes_[i]->text();
    line.code = typeSolide_;
    line.image = image3_;
    return line;
}

void Editeur::clearAfterAdd() {
    std::array<bool, 4> shown{};
    std::array<QString, 4> captions;
    for (size_t i = 0; i < 4; ++i) {
        shown[i] = !boxes_[3 + i]->isHidden();
        captions[i] = letters_[i]->text();
    }
    ReinitialiseSaisie();
    for (size_t i = 0; i < 4; ++i) {
        boxes_[3 + i]->setVisible(shown[i]);
        letters_[i]->setText(captions[i]);
    }
    applyKindRules();
}

void Editeur::ReprendSolide(const PartsList::TakenBack& line) {
    const KindInfo* kind = kindInfo(typeSolide_);
    if (!kind) return;
    PrepareSolide(typeSolide_);
    for (size_t i = 0; i < 4; ++i) {
        if (kind->copiesColumn(10 + static_cast<int>(i))) boxes_[3 + i]->setText(line.dims[i]);
    }
}

void Editeur::takeBack(const PartsList::TakenBack& line) {
    typeSolide_ = line.code;
    setImage3(line.image);
    ReprendSolide(line);
    // A row stored in density mode selects the density option, so that the caption and the
    // unit of Text3 say what the box holds.
    if (line.masseTotale)
        masseTotal_->setChecked(true);
    else
        masseSpecifique_->setChecked(true);
    box(InputBox::Text1)->setText(line.quantite);
    box(InputBox::Text2)->setText(line.rapport);
    // The stored mass or density goes back as it was typed: it was never reduced by the ratio.
    box(InputBox::Text3)->setText(line.masse);
    CalculeInertie();
}

void Editeur::moveAlongChain(QLineEdit* from) {
    const auto it = std::find(boxes_.begin(), boxes_.end(), from);
    if (it == boxes_.end()) return;
    const auto& chain = enterChains()[static_cast<size_t>(it - boxes_.begin())];
    for (int next : chain) {
        QLineEdit* target = boxes_[static_cast<size_t>(next)];
        if (!target->isHidden()) {
            target->setFocus(Qt::OtherFocusReason); // the text is not selected
            return;
        }
    }
    if (endOfChain_) endOfChain_->setFocus(Qt::OtherFocusReason);
}

bool Editeur::eventFilter(QObject* watched, QEvent* event) {
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
        // taking the focus for a while does not, nor the window closing. Plus confirms by
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
        CalculeInertie();
        break;
    default:
        break;
    }
    return false; // every key passes on unchanged
}

} // namespace ostrel
