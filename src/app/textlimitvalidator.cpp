#include "app/textlimitvalidator.h"

#include "list/projectfile.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>

namespace ostrel {

namespace {

// The cursor after the cuts: moved back by every removed character before it.
qsizetype positionAfter(const TextLimitValidator::Cuts& cuts, qsizetype position) {
    qsizetype moved = position;
    for (const auto& [start, length] : cuts)
        if (start < position) moved -= std::min(length, position - start);
    return moved;
}

} // namespace

TextLimitValidator::TextLimitValidator(int limit, QObject* parent)
    : QValidator(parent), limit_(limit) {}

void TextLimitValidator::install(QLineEdit* box, int limit) {
    box->setValidator(new TextLimitValidator(limit, box));
}

void TextLimitValidator::install(QPlainTextEdit* edit, int limit, std::function<void()> onCut) {
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, limit, onCut] {
        // Positions in the document are those of its plain text, a line break being one.
        const Cuts found = cuts(edit->toPlainText(), edit->textCursor().position(), limit, true);
        if (found.empty()) return;
        QTextCursor cursor(edit->document());
        cursor.joinPreviousEditBlock();
        for (const auto& [start, length] : found) {
            cursor.setPosition(int(start));
            cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        cursor.endEditBlock();
        if (onCut) onCut();
    });
}

QValidator::State TextLimitValidator::validate(QString& input, int& position) const {
    const Cuts found = cuts(input, position, limit_, false);
    if (found.empty()) return Acceptable;
    position = int(positionAfter(found, position));
    for (const auto& [start, length] : found)
        input.remove(start, length);
    return Acceptable;
}

TextLimitValidator::Cuts TextLimitValidator::cuts(QStringView text, qsizetype position, int limit,
                                                  bool lineBreaks) {
    const bool controls = hasControlCharacter(text, lineBreaks);
    if (!controls && (text.size() <= limit || characterCount(text) <= limit)) return {};
    const qsizetype size = text.size();
    position = std::clamp<qsizetype>(position, 0, size);
    std::vector<bool> removed(size_t(size), false);
    qsizetype kept = characterCount(text);
    for (qsizetype i = 0; i < size; ++i)
        if (hasControlCharacter(text.sliced(i, 1), lineBreaks)) {
            removed[size_t(i)] = true;
            --kept;
        }
    // One character back from end (a surrogate pair whole), skipping what is removed already.
    const auto cutBefore = [&](qsizetype end) {
        for (qsizetype i = end; i > 0 && kept > limit;) {
            qsizetype start = i - 1;
            if (start > 0 && text[start].isLowSurrogate() && text[start - 1].isHighSurrogate())
                --start;
            if (!removed[size_t(start)]) {
                for (qsizetype k = start; k < i; ++k)
                    removed[size_t(k)] = true;
                --kept;
            }
            i = start;
        }
    };
    cutBefore(position);
    cutBefore(size);

    Cuts found;
    for (qsizetype i = size - 1; i >= 0; --i) {
        if (!removed[size_t(i)]) continue;
        qsizetype start = i;
        while (start > 0 && removed[size_t(start - 1)])
            --start;
        found.emplace_back(start, i - start + 1);
        i = start;
    }
    return found;
}

} // namespace ostrel
