// translateWindow: applies the working language's texts to the main window: its caption, the
// menus, the editor's captions, the quit button and the toolbar hints. Controls are found by
// their names, so that the table below is the whole of what a language changes.
#pragma once

class QMainWindow;
class QObject;
class QString;

namespace ostrel {

struct Language;

void translateWindow(QMainWindow& window, const Language& language);

// Sets the caption of the control named name under root: a label's or button's text, a menu's
// title, an action's text. False when there is no such control.
bool setCaption(QObject& root, const QString& name, const QString& text);

} // namespace ostrel
