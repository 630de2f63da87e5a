// The part editor of the main window: the kind's picture, the quantity, ratio, mass or density
// and dimension boxes with their captions, units and notes, the mass mode and the result block.
// A mechanism shows instead one caption, box and unit for each input it declares (no mass
// mode), in the same Enter chain. Beside a density box (a solid's in density mode, a
// mechanism's) a list of materials writes the density of the one picked.
// It sets itself up for a kind from the catalogue, runs calculatePart on every key release and
// applies its outcome; the arithmetic stays in the solids core. Inputs that give no result empty
// the four results, and the box at fault says why beside it; a negative amount notes that the
// line subtracts. Inconsistent inputs (a cone wider at its small end...) are only hinted at
// while the user types; the message box and its correction come when the user confirms the box
// (Enter, leaving it, the add button).
// The result block keeps the exact results behind its captions and shows them under the display
// choice: the classic masks, or significant digits in the chosen units. A result the classic
// masks cannot show says so in the block.
#pragma once

#include "list/partslist.h"
#include "list/sessionstate.h"
#include "solids/calculation.h"
#include "solids/material.h"
#include "solids/units.h"

#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace ostrel {

class Dialogs;
class ImageList;
class MaterialList;
struct Language;

class PartEditor : public QWidget {
public:
    PartEditor(const QString& programDir, const Language& language, const ImageList& images,
               Dialogs& dialogs, QWidget* parent = nullptr);

    // Where the Enter chain ends when no later box is visible (the add button).
    void setEndOfChain(QWidget* widget) { endOfChain_ = widget; }

    // The common reset of the editor.
    void resetInputs();
    // Sets the editor up for the kind of code (1 ... 23; other codes only reset it).
    void setUpKind(int code);
    // Reads the boxes, computes the part line and applies the outcome to the captions and the
    // notes. Inputs that give no result or contradict each other empty the four results; no
    // text of a box changes.
    void calculatePart();
    // The user confirms the inputs: when they contradict each other, the message box (once
    // for what the user typed) and its correction. False while they still contradict; the add
    // button (retell) is told again, without a correction, what it was told before.
    bool confirmInputs(bool retell = false);
    // The hint beside the results: empty when the inputs agree.
    QString hint() const;
    // Why the inputs now in the boxes give no line to add, naming the box by its caption; empty
    // when they give results.
    QString refusal() const;
    // The texts of the editor in the working language, after the window was translated: the
    // kind's rules, the hint and what the result block writes itself (tooltips, units).
    void retranslate();

    int kindCode() const { return kindCode_; }
    // kindIcon: the small picture of the kind, as an image number of the toolbar images (0: none).
    void setKindIcon(int image);
    int kindIcon() const { return kindIcon_; }
    // The file kindPicture shows, or an empty text when it shows nothing.
    QString pictureFile() const { return pictureFile_; }

    // What the add button reads: the four result captions, the mode, the texts of the boxes,
    // the kind, kindIcon.
    PartsList::Line line() const;
    // After a line was added: the editor is cleared for the next line of the same kind; the
    // dimension boxes and their letter captions stay as they were.
    void clearAfterAdd();
    // A line taken back out of the list: its kind, picture, mode and texts (every input of a
    // mechanism), then recomputed.
    void takeBack(const PartsList::TakenBack& line);
    // What the editor holds, as a recovery copy keeps it; and the same put back (the kind set
    // up, the mode, every box as it was typed, then recomputed).
    EditorInputs inputs() const;
    void restoreInputs(const EditorInputs& inputs);

    // The text of a message: its pieces' entries in the working language and literal texts.
    static QString joinMessage(const std::vector<MessagePiece>& pieces, const Language& language);

    QLineEdit* box(InputBox which) const { return boxes_[static_cast<size_t>(which)]; }
    // Box i of the kind in its order of inputs (InputBox order for a solid).
    QLineEdit* inputBox(std::size_t i) const { return i < boxes_.size() ? boxes_[i] : nullptr; }

    // The user's own materials, offered after the built-in ones beside every density box.
    void setOwnMaterials(const std::vector<Material>& own);
    // The material list shown beside a density box, or nullptr when no density box shows.
    MaterialList* shownMaterialList() const;

    // How the four results are shown; a new choice re-writes the captions at once.
    void setDisplay(const DisplayChoice& display);
    const DisplayChoice& display() const { return display_; }
    // The exact result behind caption i (0 mass ... 3 working torque), nothing when the
    // caption is empty.
    std::optional<double> exactResult(int i) const;
    // The frame of the result block (its context menu is the window's).
    QWidget* resultBlock() const { return resultBlock_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QLabel* addLabel(const char* name, const QString& text);
    bool mechanism() const;
    // The caption and the unit label of box i (no unit label for quantity and ratio).
    QLabel* captionAt(std::size_t i) const;
    QLabel* unitAt(std::size_t i) const;
    // A mechanism's boxes: each declared input with its caption, unit and first text.
    void setUpMechanismInputs();
    // Shows the material list of the box that holds a density, and no other.
    void showMaterialLists();
    void setUpTakenBack(const PartsList::TakenBack& line);
    void switchToTotalMass();
    void switchToDensity();
    void clearResults();
    void showNotes(const CalcOutcome& out);
    QString captionOf(InputBox which) const;
    // Writes the four result captions, their units and tooltips from the kept results.
    void showResults();
    QString belowResolutionHint() const;
    void moveAlongChain(QLineEdit* from);
    // calculatePart of the boxes as they stand.
    CalcOutcome outcome() const;
    void applyKindRules();
    void showHint(const CalcOutcome& out);
    void showPicture(const QPixmap& picture);

    QString programDir_;
    const Language& language_;
    const ImageList& images_;
    Dialogs& dialogs_;
    QWidget* endOfChain_ = nullptr;
    int kindCode_ = 0;
    int kindIcon_ = 0;
    QString pictureFile_;

    // In InputBox order, then the further inputs of a mechanism (input7Box ... input10Box).
    std::array<QLineEdit*, MaxInputs> boxes_{};
    std::array<QLabel*, MaxInputs> notes_{};        // quantityNote ... heightNote, input7Note ...
    std::array<InputNote, MaxInputs> shownNotes_{}; // what they say
    std::array<int, MaxInputs> shownEntries_{};     // and their texts' entries
    std::array<QLabel*, 4> letters_{};              // radiusCaption ... heightCaption
    std::array<QLabel*, 4> units_{}; // radiusUnit, diameterUnit, smallDiameterUnit, heightUnit
    std::array<QLabel*, MaxInputs - 7> moreCaptions_{}; // input7Caption ...
    std::array<QLabel*, MaxInputs - 7> moreUnits_{};    // input7Unit ...
    // The material list of each box that can hold a density (nullptr for the others).
    std::array<MaterialList*, MaxInputs> materials_{};
    std::array<QLabel*, 4> results_{}; // massResult, inertiaResult, frictionResult, workingResult
    std::array<QLabel*, 4>
        resultUnits_{}; // massResultUnit, inertiaResultUnit, frictionResultUnit, workingResultUnit
    QWidget* resultBlock_ = nullptr;
    // What the captions stand for: the classic texts, and the exact values behind them.
    std::array<QString, 4> classic_;
    std::array<std::optional<double>, 4> exact_;
    DisplayChoice display_;
    QLabel* quantityCaption_ = nullptr;
    QLabel* ratioCaption_ = nullptr;
    QLabel* massCaption_ = nullptr;
    QLabel* massUnit_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* kindIconLabel_ = nullptr;
    QLabel* inputHint_ = nullptr;
    QLabel* resolutionNote_ = nullptr; // the classic masks hide a result that is not zero
    bool told_ = false;                // the box was shown for the inputs as they stand
    bool confirming_ = false;          // a confirmation is under way
    QRadioButton* totalMassOption_ = nullptr;
    QRadioButton* densityOption_ = nullptr;
};

} // namespace ostrel
