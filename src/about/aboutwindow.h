// The About window: title, version, credits, a small looping animation, the page propos.htm
// from the program folder and a link label that opens the user guide installed beside the
// program. It is created afresh for each opening and deletes itself when it closes.
#pragma once

#include "about/picturestrip.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;
class QTextBrowser;
class QTimer;

namespace ostrel {

class Dialogs;

struct ProgramVersion {
    int majorNumber = 0;
    int minorNumber = 0;
    int revision = 0;
};

// The program's version, from the project's version in the build.
ProgramVersion programVersion();

// The version line: " Versión", three spaces and major.minor.revision (" Versión   1.2.15").
QString versionLine(const ProgramVersion& version);

class AboutWindow : public QDialog {
    Q_OBJECT

public:
    // Files in the program folder.
    static constexpr const char* PageFile = "propos.htm";
    static constexpr const char* StripFile = "propos-strip.png";
    // What the link label opens, relative to the program folder: the installed user guide.
    static constexpr const char* GuidePath = "guide/user-guide.html";
    static constexpr int AnimationInterval = 50; // ms

    // Opens an address in the user's default browser; false when nothing could open it.
    using UrlOpener = std::function<bool(const QUrl&)>;

    // programDir ends with "/". Create the window with new: closing it (okButton_, Escape, the
    // title bar) deletes it.
    explicit AboutWindow(const QString& programDir,
                         const ProgramVersion& version = programVersion(),
                         QWidget* parent = nullptr);

    // Replaces the default opener (QDesktopServices::openUrl).
    void setUrlOpener(UrlOpener opener);
    // The message the pane shows when propos.htm cannot be read; an English text when empty.
    void setMissingPageMessage(const QString& text);
    // Where the link tells that the guide could not be opened (none: it fails silently), and
    // the text of that message, which the guide's path follows; an English text when empty.
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    void setMissingGuideMessage(const QString& text) { missingGuideMessage_ = text; }

    // The address the link label opens: the user guide in the program folder.
    QUrl linkUrl() const;

    int frameNumber() const { return frameNumber_; }
    bool animating() const { return animating_ == 1; }
    // The cell shown last in animation_, -1 before any.
    int shownCell() const { return shownCell_; }
    // Whether the pane shows the missing-page message instead of propos.htm.
    bool pageMissing() const { return pageMissing_; }

    // Shows the next cell: 1, 2, ... 5, 0, 1 ...
    void advanceFrame();
    // One tick of animationTimer_: advances the animation while it is active.
    void timerTick();
    // Opens the user guide through the opener; a missing guide or an opener that fails is
    // told through the dialogs, with the guide's path.
    void openGuide();
    // Closes the window, which deletes it.
    void closeWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend void translateAboutWindow(AboutWindow& about, const QStringList& texts);

    void buildWindow();
    void loadWindow();
    void showCell(int n);
    void showMissingPageMessage();

    QString programDir_;
    ProgramVersion version_;
    UrlOpener urlOpener_;
    QString missingPageMessage_;
    Dialogs* dialogs_ = nullptr;
    QString missingGuideMessage_;
    bool pageMissing_ = false;

    PictureStrip strip_;
    int frameNumber_ = 0;
    qint16 animating_ = 0;
    int shownCell_ = -1;

    QLabel* titleLabel_ = nullptr;
    QLabel* creditsLabel_ = nullptr;
    QLabel* authorLabel_ = nullptr;
    QLabel* mottoLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* guideLink_ = nullptr;
    QLabel* animation_ = nullptr;
    QLabel* emblem_ = nullptr;
    QLabel* upperRule_ = nullptr;
    QLabel* lowerRule_ = nullptr;
    QTimer* animationTimer_ = nullptr;
    QTextBrowser* pageView_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

// The window's texts in the working language: caption entry 8, creditsLabel_ entry 67, titleLabel_
// entry 12, the missing-page message entry 442 and the guide message entry 445. texts is
// indexed by entry number.
void translateAboutWindow(AboutWindow& about, const QStringList& texts);

// The About command: creates the window under parent, translates it, shows it modally through
// dialogs and makes sure it is gone afterwards. Returns the result of dialogs.exec.
int showAboutWindow(Dialogs& dialogs, const QString& programDir, const QStringList& texts,
                    QWidget* parent);

} // namespace ostrel
