// The limits of a project file kept where the user types: a box holds at most so many
// characters (counted as the project file counts them, a character beyond U+FFFF being one)
// and no control character. What goes beyond the limit is cut where it was typed or pasted;
// nothing that was in the box before is lost.
#pragma once

#include <QValidator>
#include <functional>
#include <utility>
#include <vector>

class QLineEdit;
class QPlainTextEdit;

namespace ostrel {

class TextLimitValidator : public QValidator {
public:
    TextLimitValidator(int limit, QObject* parent);

    // Gives box a validator of limit characters.
    static void install(QLineEdit* box, int limit);
    // The same for a text of several lines (tabs and line breaks allowed); onCut is called
    // when a change was cut. One undo takes back the change and its cut together.
    static void install(QPlainTextEdit* edit, int limit, std::function<void()> onCut = {});

    // Removes the control characters and, beyond the limit, the characters just before the
    // cursor; the cursor follows. Always Acceptable: nothing else is refused.
    State validate(QString& input, int& position) const override;

    // The parts of text to remove (start, length), the last first: every control character
    // (lineBreaks: tab, line feed and carriage return stay), then, while the text is longer
    // than limit, the characters before position, then those at the end.
    using Cuts = std::vector<std::pair<qsizetype, qsizetype>>;
    static Cuts cuts(QStringView text, qsizetype position, int limit, bool lineBreaks);

private:
    int limit_;
};

} // namespace ostrel
