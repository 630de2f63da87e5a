#include "about/aboutwindow.h"

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
const char* const EnglishMissingPageMessage =
    "The page propos.htm cannot be found in the program folder.";

// The emblem in emblem_: a disc on its shaft with the arrow of its rotation.
QPixmap emblem() {
    const int side = 56;
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 80, 140));
    p.drawRoundedRect(QRectF(1, 1, side - 2, side - 2), 9, 9);

    const QPointF centre(side / 2.0, side / 2.0);
    p.setPen(QPen(QColor(230, 235, 245), 2.5));
    p.drawLine(QPointF(centre.x(), 6), QPointF(centre.x(), side - 6)); // the shaft
    p.setBrush(QColor(190, 200, 215));
    p.drawEllipse(centre, 17.0, 6.0); // the disc seen edgewise
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(250, 200, 60), 2.5));
    const QRectF arc(centre.x() - 22, 8, 44, 14);
    p.drawArc(arc, 200 * 16, 140 * 16);
    QPainterPath arrowHead;
    arrowHead.moveTo(arc.right() - 1, arc.center().y() - 5);
    arrowHead.lineTo(arc.right() + 3, arc.center().y() + 3);
    arrowHead.lineTo(arc.right() - 6, arc.center().y() + 1);
    arrowHead.closeSubpath();
    p.fillPath(arrowHead, QColor(250, 200, 60));
    return pixmap;
}

QLabel* rule(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::HLine);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

} // namespace

ProgramVersion programVersion() {
    return {OSTREL_VERSION_MAJOR, OSTREL_VERSION_MINOR, OSTREL_VERSION_PATCH};
}

QString versionLine(const ProgramVersion& version) {
    return QStringLiteral(" Versi\u00f3n   %1.%2.%3")
        .arg(version.majorNumber)
        .arg(version.minorNumber)
        .arg(version.revision);
}

AboutWindow::AboutWindow(const QString& programDir, const ProgramVersion& version, QWidget* parent)
    : QDialog(parent), programDir_(programDir), version_(version),
      urlOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("aboutWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildWindow();
    loadWindow();
    animationTimer_->start();
}

void AboutWindow::buildWindow() {
    setWindowTitle(QStringLiteral("About Ostrel"));

    emblem_ = new QLabel(this);
    emblem_->setObjectName(QStringLiteral("emblem"));
    emblem_->setPixmap(emblem());

    titleLabel_ = new QLabel(QStringLiteral("Calcul d'Ostrel"), this);
    titleLabel_->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = titleLabel_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleLabel_->setFont(titleFont);
    titleLabel_->setWordWrap(true);

    versionLabel_ = new QLabel(QStringLiteral(" Versi\u00f3n 1.00"), this);
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));

    animation_ = new QLabel(this);
    animation_->setObjectName(QStringLiteral("animation"));
    animation_->setAlignment(Qt::AlignCenter);

    upperRule_ = rule(this, "upperRule");

    creditsLabel_ = new QLabel(QStringLiteral("Ecrit et mis au point par"), this);
    creditsLabel_->setObjectName(QStringLiteral("creditsLabel"));
    authorLabel_ = new QLabel(QStringLiteral("The Ostrel developers"), this);
    authorLabel_->setObjectName(QStringLiteral("authorLabel"));
    QFont boldFont = authorLabel_->font();
    boldFont.setBold(true);
    authorLabel_->setFont(boldFont);
    mottoLabel_ = new QLabel(QStringLiteral("Mechanical engineering tools"), this);
    mottoLabel_->setObjectName(QStringLiteral("mottoLabel"));

    guideLink_ = new QLabel(QStringLiteral("Ostrel user guide"), this);
    guideLink_->setObjectName(QStringLiteral("guideLink"));
    guideLink_->setToolTip(QStringLiteral("Click here to launch your default web browser"));
    guideLink_->setCursor(Qt::PointingHandCursor);
    QFont underlined = guideLink_->font();
    underlined.setUnderline(true);
    guideLink_->setFont(underlined);
    QPalette linkPalette = guideLink_->palette();
    linkPalette.setColor(QPalette::WindowText, linkPalette.color(QPalette::Link));
    guideLink_->setPalette(linkPalette);
    guideLink_->installEventFilter(this);

    lowerRule_ = rule(this, "lowerRule");

    pageView_ = new QTextBrowser(this);
    pageView_->setObjectName(QStringLiteral("pageView"));
    pageView_->setOpenExternalLinks(false);
    pageView_->setMinimumSize(460, 240);

    okButton_ = new QPushButton(QStringLiteral("&Ok"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &AboutWindow::closeWindow);

    animationTimer_ = new QTimer(this);
    animationTimer_->setObjectName(QStringLiteral("animationTimer"));
    animationTimer_->setInterval(AnimationInterval);
    connect(animationTimer_, &QTimer::timeout, this, &AboutWindow::timerTick);

    auto* titleBlock = new QVBoxLayout;
    titleBlock->addWidget(titleLabel_);
    titleBlock->addWidget(versionLabel_);
    auto* top = new QHBoxLayout;
    top->addWidget(emblem_, 0, Qt::AlignTop);
    top->addLayout(titleBlock, 1);
    top->addWidget(animation_, 0, Qt::AlignVCenter);

    auto* credits = new QVBoxLayout;
    credits->setSpacing(2);
    credits->addWidget(creditsLabel_);
    credits->addWidget(authorLabel_);
    credits->addWidget(mottoLabel_);
    credits->addSpacing(6);
    credits->addWidget(guideLink_, 0, Qt::AlignLeft);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(okButton_);

    auto* window = new QVBoxLayout(this);
    window->addLayout(top);
    window->addWidget(upperRule_);
    window->addLayout(credits);
    window->addWidget(lowerRule_);
    window->addWidget(pageView_, 1);
    window->addLayout(bottom);
}

void AboutWindow::loadWindow() {
    // A missing strip leaves animation_ empty; the animation still counts its cells.
    strip_.load(programDir_ + QLatin1String(StripFile));
    showCell(0);
    frameNumber_ = 1;
    animating_ = 1;
    versionLabel_->setText(versionLine(version_));

    const QString page = programDir_ + QLatin1String(PageFile);
    QFile file(page);
    if (file.open(QIODevice::ReadOnly)) {
        file.close();
        pageMissing_ = false;
        pageView_->setSource(QUrl::fromLocalFile(page));
    } else {
        pageMissing_ = true;
        showMissingPageMessage();
    }
}

void AboutWindow::showCell(int n) {
    shownCell_ = n;
    const QImage cell = strip_.cell(n);
    if (cell.isNull()) {
        animation_->clear();
        return;
    }
    animation_->setPixmap(QPixmap::fromImage(cell));
}

void AboutWindow::showMissingPageMessage() {
    const QString text = missingPageMessage_.isEmpty()
                             ? QString::fromLatin1(EnglishMissingPageMessage)
                             : missingPageMessage_;
    const QString path = programDir_ + QLatin1String(PageFile);
    pageView_->setHtml(QStringLiteral("<p><b>%1</b></p><p>%2</p>")
                           .arg(text.toHtmlEscaped(), path.toHtmlEscaped()));
}

void AboutWindow::setUrlOpener(UrlOpener opener) {
    urlOpener_ = std::move(opener);
}

void AboutWindow::setMissingPageMessage(const QString& text) {
    missingPageMessage_ = text;
    if (pageMissing_) showMissingPageMessage();
}

QUrl AboutWindow::linkUrl() const {
    return QUrl::fromLocalFile(programDir_ + QLatin1String(GuidePath));
}

void AboutWindow::advanceFrame() {
    frameNumber_ = frameNumber_ + 1;
    if (frameNumber_ == PictureStrip::CellCount) frameNumber_ = 0;
    showCell(frameNumber_);
}

void AboutWindow::timerTick() {
    if (animating_ == 1) advanceFrame();
}

void AboutWindow::openGuide() {
    const QUrl guide = linkUrl();
    // A launcher may well accept a file that is not there: the guide is looked for first.
    const bool opened = QFileInfo::exists(guide.toLocalFile()) && urlOpener_ && urlOpener_(guide);
    if (opened || !dialogs_) return;
    const QString text = missingGuideMessage_.isEmpty()
                             ? QStringLiteral("The user guide could not be opened. You will "
                                              "find it here:")
                             : missingGuideMessage_;
    dialogs_->message(text + QLatin1Char('\n') + QDir::toNativeSeparators(guide.toLocalFile()),
                      MessageIcon::Exclamation, windowTitle());
}

void AboutWindow::closeWindow() {
    animationTimer_->stop();
    accept(); // closes the window; WA_DeleteOnClose deletes it
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == guideLink_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            guideLink_->rect().contains(mouse->position().toPoint())) {
            openGuide();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void translateAboutWindow(AboutWindow& about, const QStringList& texts) {
    about.setWindowTitle(texts.value(8));
    about.creditsLabel_->setText(texts.value(67));
    about.titleLabel_->setText(texts.value(12));
    about.setMissingPageMessage(texts.value(442));
    about.setMissingGuideMessage(texts.value(445));
}

int showAboutWindow(Dialogs& dialogs, const QString& programDir, const QStringList& texts,
                    QWidget* parent) {
    QPointer<AboutWindow> about = new AboutWindow(programDir, programVersion(), parent);
    about->setDialogs(&dialogs);
    translateAboutWindow(*about, texts);
    const int result = dialogs.exec(*about);
    // A real modal run deletes the window when it closes; any other leaves it to us.
    if (about) delete about.data();
    return result;
}

} // namespace ostrel
