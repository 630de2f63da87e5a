// The window of Preferences ▸ Materials...: the user's own materials (a name and a density in
// kg/m³), added and removed here and kept by UserMaterials; every material list of the editor
// offers them after the built-in ones. A name or density that is refused, or settings that
// cannot be written, are told through the Dialogs seam and change nothing.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace ostrel {

class Dialogs;
class UserMaterials;
struct Language;

class MaterialsDialog : public QDialog {
public:
    MaterialsDialog(const Language& language, UserMaterials& materials, Dialogs& dialogs,
                    QWidget* parent = nullptr);

    // Whether a material was added or removed while the window was open.
    bool changed() const { return changed_; }

    // What the buttons run.
    void addMaterial();
    void removeMaterial();

private:
    void fillTable();
    void tell(int entry, const QString& detail = {});

    const Language& language_;
    UserMaterials& materials_;
    Dialogs& dialogs_;
    QTableWidget* table_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* density_ = nullptr;
    QPushButton* remove_ = nullptr;
    bool changed_ = false;
};

} // namespace ostrel
