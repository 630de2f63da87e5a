#include "about/propos.h"

#include "platform/dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace ostrel {

namespace {

// Shown when propos.htm is missing and no translation of entry 442 was given.
const char* const MessagePageAbsenteAnglais =
    "The page propos.htm cannot be found in the program folder.";

// The emblem in Picture2: a disc on its shaft with the arrow of its rotation.
QPixmap embleme() {
    const int cote = 56;
    QPixmap pixmap(cote, cote);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 80, 140));
    p.drawRoundedRect(QRectF(1, 1, cote - 2, cote - 2), 9, 9);

    const QPointF centre(cote / 2.0, cote / 2.0);
    p.setPen(QPen(QColor(230, 235, 245), 2.5));
    p.drawLine(QPointF(centre.x(), 6), QPointF(centre.x(), cote - 6)); // the shaft
    p.setBrush(QColor(190, 200, 215));
    p.drawEllipse(centre, 17.0, 6.0); // the disc seen edgewise
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(250, 200, 60), 2.5));
    const QRectF arc(centre.x() - 22, 8, 44, 14);
    p.drawArc(arc, 200 * 16, 140 * 16);
    QPainterPath pointe;
    pointe.moveTo(arc.right() - 1, arc.center().y() - 5);
    pointe.lineTo(arc.right() + 3, arc.center().y() + 3);
    pointe.lineTo(arc.right() - 6, arc.center().y() + 1);
    pointe.closeSubpath();
    p.fillPath(pointe, QColor(250, 200, 60));
    return pixmap;
}

QLabel* regle(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::HLine);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

} // namespace

VersionProgramme versionProgramme() {
    return {OSTREL_VERSION_MAJOR, OSTREL_VERSION_MINOR, OSTREL_VERSION_PATCH};
}

QString ligneVersion(const VersionProgramme& version) {
    return QStringLiteral(" Versi\u00f3n   %1.%2.%3")
        .arg(version.majeur)
        .arg(version.mineur)
        .arg(version.revision);
}

Propos::Propos(const QString& programDir, const VersionProgramme& version, QWidget* parent)
    : QDialog(parent), programDir_(programDir), version_(version),
      ouvreAdresse_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("Propos"));
    setAttribute(Qt::WA_DeleteOnClose);
    construitFenetre();
    Form_Load();
    Timer1->start();
}

void Propos::construitFenetre() {
    setWindowTitle(QStringLiteral("About Ostrel"));

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setPixmap(embleme());

    Label12 = new QLabel(QStringLiteral("Calcul d'Ostrel"), this);
    Label12->setObjectName(QStringLiteral("Label12"));
    QFont titre = Label12->font();
    titre.setBold(true);
    titre.setPointSizeF(titre.pointSizeF() * 1.5);
    Label12->setFont(titre);
    Label12->setWordWrap(true);

    Label2 = new QLabel(QStringLiteral(" Versi\u00f3n 1.00"), this);
    Label2->setObjectName(QStringLiteral("Label2"));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignCenter);

    Image1 = regle(this, "Image1");

    Label10 = new QLabel(QStringLiteral("Ecrit et mis au point par"), this);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label13 = new QLabel(QStringLiteral("The Ostrel developers"), this);
    Label13->setObjectName(QStringLiteral("Label13"));
    QFont gras = Label13->font();
    gras.setBold(true);
    Label13->setFont(gras);
    Label1 = new QLabel(QStringLiteral("Mechanical engineering tools"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    Label4 = new QLabel(QStringLiteral("Ostrel user guide"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setToolTip(QStringLiteral("Click here to launch your default web browser"));
    Label4->setCursor(Qt::PointingHandCursor);
    QFont souligne = Label4->font();
    souligne.setUnderline(true);
    Label4->setFont(souligne);
    QPalette lien = Label4->palette();
    lien.setColor(QPalette::WindowText, lien.color(QPalette::Link));
    Label4->setPalette(lien);
    Label4->installEventFilter(this);

    Image4 = regle(this, "Image4");

    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenExternalLinks(false);
    WebBrowser1->setMinimumSize(460, 240);

    Ok = new QPushButton(QStringLiteral("&Ok"), this);
    Ok->setObjectName(QStringLiteral("Ok"));
    Ok->setDefault(true);
    connect(Ok, &QPushButton::clicked, this, &Propos::Ok_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(IntervalleAnimation);
    connect(Timer1, &QTimer::timeout, this, &Propos::Timer1_Timer);

    auto* titreBloc = new QVBoxLayout;
    titreBloc->addWidget(Label12);
    titreBloc->addWidget(Label2);
    auto* haut = new QHBoxLayout;
    haut->addWidget(Picture2, 0, Qt::AlignTop);
    haut->addLayout(titreBloc, 1);
    haut->addWidget(Picture1, 0, Qt::AlignVCenter);

    auto* credits = new QVBoxLayout;
    credits->setSpacing(2);
    credits->addWidget(Label10);
    credits->addWidget(Label13);
    credits->addWidget(Label1);
    credits->addSpacing(6);
    credits->addWidget(Label4, 0, Qt::AlignLeft);

    auto* bas = new QHBoxLayout;
    bas->addStretch(1);
    bas->addWidget(Ok);

    auto* fenetre = new QVBoxLayout(this);
    fenetre->addLayout(haut);
    fenetre->addWidget(Image1);
    fenetre->addLayout(credits);
    fenetre->addWidget(Image4);
    fenetre->addWidget(WebBrowser1, 1);
    fenetre->addLayout(bas);
}

void Propos::Form_Load() {
    // A missing strip leaves Picture1 empty; the animation still counts its cells.
    PicClip1.charge(programDir_ + QLatin1String(FichierBande));
    montreCellule(0);
    NumeroImage = 1;
    AnimationActive = 1;
    Label2->setText(ligneVersion(version_));

    const QString page = programDir_ + QLatin1String(FichierPage);
    QFile fichier(page);
    if (fichier.open(QIODevice::ReadOnly)) {
        fichier.close();
        pageAbsente_ = false;
        WebBrowser1->setSource(QUrl::fromLocalFile(page));
    } else {
        pageAbsente_ = true;
        montreMessagePageAbsente();
    }
}

void Propos::montreCellule(int n) {
    celluleAffichee_ = n;
    const QImage cellule = PicClip1.cellule(n);
    if (cellule.isNull()) {
        Picture1->clear();
        return;
    }
    Picture1->setPixmap(QPixmap::fromImage(cellule));
}

void Propos::montreMessagePageAbsente() {
    const QString texte = messagePageAbsente_.isEmpty()
                              ? QString::fromLatin1(MessagePageAbsenteAnglais)
                              : messagePageAbsente_;
    const QString chemin = programDir_ + QLatin1String(FichierPage);
    WebBrowser1->setHtml(QStringLiteral("<p><b>%1</b></p><p>%2</p>")
                             .arg(texte.toHtmlEscaped(), chemin.toHtmlEscaped()));
}

void Propos::setOuvreAdresse(OuvreAdresse ouvre) {
    ouvreAdresse_ = std::move(ouvre);
}

void Propos::setMessagePageAbsente(const QString& text) {
    messagePageAbsente_ = text;
    if (pageAbsente_) montreMessagePageAbsente();
}

QUrl Propos::adresseLien() const {
    return QUrl::fromLocalFile(programDir_ + QLatin1String(AdresseGuide));
}

void Propos::AvanceImage() {
    NumeroImage = NumeroImage + 1;
    if (NumeroImage == PicClip::Cellules) NumeroImage = 0;
    montreCellule(NumeroImage);
}

void Propos::Timer1_Timer() {
    if (AnimationActive == 1) AvanceImage();
}

void Propos::Label4_Click() {
    const QUrl guide = adresseLien();
    // A launcher may well accept a file that is not there: the guide is looked for first.
    const bool ouvert =
        QFileInfo::exists(guide.toLocalFile()) && ouvreAdresse_ && ouvreAdresse_(guide);
    if (ouvert || !dialogs_) return;
    const QString texte = messageGuideAbsent_.isEmpty()
                              ? QStringLiteral("The user guide could not be opened. You will "
                                               "find it here:")
                              : messageGuideAbsent_;
    dialogs_->message(texte + QLatin1Char('\n') + QDir::toNativeSeparators(guide.toLocalFile()),
                      MessageIcon::Exclamation, windowTitle());
}

void Propos::Ok_Click() {
    Timer1->stop();
    accept(); // closes the window; WA_DeleteOnClose deletes it
}

bool Propos::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label4 && event->type() == QEvent::MouseButtonRelease) {
        const auto* souris = static_cast<QMouseEvent*>(event);
        if (souris->button() == Qt::LeftButton &&
            Label4->rect().contains(souris->position().toPoint())) {
            Label4_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TraduitPropos(Propos& propos, const QStringList& textes) {
    propos.setWindowTitle(textes.value(8));
    propos.Label10->setText(textes.value(67));
    propos.Label12->setText(textes.value(12));
    propos.setMessagePageAbsente(textes.value(442));
    propos.setMessageGuideAbsent(textes.value(445));
}

int ouvrePropos(Dialogs& dialogs, const QString& programDir, const QStringList& textes,
                QWidget* parent) {
    QPointer<Propos> propos = new Propos(programDir, versionProgramme(), parent);
    propos->setDialogs(&dialogs);
    TraduitPropos(*propos, textes);
    const int resultat = dialogs.exec(*propos);
    // A real modal run deletes the window when it closes; any other leaves it to us.
    if (propos) delete propos.data();
    return resultat;
}

} // namespace ostrel
