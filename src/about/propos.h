// The About window: title, version, credits, a small looping animation, the page propos.htm
// from the program folder and a link label that opens the user guide installed beside the
// program. It is created afresh for each opening and deletes itself when it closes.
#pragma once

#include "about/picclip.h"

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

struct VersionProgramme {
    int majeur = 0;
    int mineur = 0;
    int revision = 0;
};

// The program's version, from the project's version in the build.
VersionProgramme versionProgramme();

// The version line: " Versión", three spaces and major.minor.revision (" Versión   1.2.15").
QString ligneVersion(const VersionProgramme& version);

class Propos : public QDialog {
    Q_OBJECT

public:
    // Files in the program folder.
    static constexpr const char* FichierPage = "propos.htm";
    static constexpr const char* FichierBande = "propos-strip.png";
    // What the link label opens, relative to the program folder: the installed user guide.
    static constexpr const char* AdresseGuide = "guide/user-guide.html";
    static constexpr int IntervalleAnimation = 50; // ms

    // Opens an address in the user's default browser; false when nothing could open it.
    using OuvreAdresse = std::function<bool(const QUrl&)>;

    // programDir ends with "/". Create the window with new: closing it (Ok, Escape, the
    // title bar) deletes it.
    explicit Propos(const QString& programDir, const VersionProgramme& version = versionProgramme(),
                    QWidget* parent = nullptr);

    // Replaces the default opener (QDesktopServices::openUrl).
    void setOuvreAdresse(OuvreAdresse ouvre);
    // The message the pane shows when propos.htm cannot be read; an English text when empty.
    void setMessagePageAbsente(const QString& text);
    // Where the link tells that the guide could not be opened (none: it fails silently), and
    // the text of that message, which the guide's path follows; an English text when empty.
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    void setMessageGuideAbsent(const QString& text) { messageGuideAbsent_ = text; }

    // The address the link label opens: the user guide in the program folder.
    QUrl adresseLien() const;

    int numeroImage() const { return NumeroImage; }
    bool animationActive() const { return AnimationActive == 1; }
    // The cell shown last in Picture1, -1 before any.
    int celluleAffichee() const { return celluleAffichee_; }
    // Whether the pane shows the missing-page message instead of propos.htm.
    bool pageAbsente() const { return pageAbsente_; }

    // Shows the next cell: 1, 2, ... 5, 0, 1 ...
    void AvanceImage();
    // One tick of Timer1: advances the animation while it is active.
    void Timer1_Timer();
    // Opens the user guide through the opener; a missing guide or an opener that fails is
    // told through the dialogs, with the guide's path.
    void Label4_Click();
    // Closes the window, which deletes it.
    void Ok_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend void TraduitPropos(Propos& propos, const QStringList& textes);

    void construitFenetre();
    void Form_Load();
    void montreCellule(int n);
    void montreMessagePageAbsente();

    QString programDir_;
    VersionProgramme version_;
    OuvreAdresse ouvreAdresse_;
    QString messagePageAbsente_;
    Dialogs* dialogs_ = nullptr;
    QString messageGuideAbsent_;
    bool pageAbsente_ = false;

    PicClip PicClip1;
    int NumeroImage = 0;
    qint16 AnimationActive = 0;
    int celluleAffichee_ = -1;

    QLabel* Label12 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Picture2 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image4 = nullptr;
    QTimer* Timer1 = nullptr;
    QTextBrowser* WebBrowser1 = nullptr;
    QPushButton* Ok = nullptr;
};

// The window's texts in the working language: caption entry 8, Label10 entry 67, Label12
// entry 12, the missing-page message entry 442 and the guide message entry 445. textes is
// indexed by entry number.
void TraduitPropos(Propos& propos, const QStringList& textes);

// The About command: creates the window under parent, translates it, shows it modally through
// dialogs and makes sure it is gone afterwards. Returns the result of dialogs.exec.
int ouvrePropos(Dialogs& dialogs, const QString& programDir, const QStringList& textes,
                QWidget* parent);

} // namespace ostrel
