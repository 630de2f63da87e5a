// What a recovery copy keeps besides the project itself: the file the list belongs to and the
// part editor's inputs, so that a restored session goes on where it stopped (Save writes to
// that file, the editor shows the part being typed). Written as the "session" object of the
// copy; whatever in it is malformed is left out when read. Qt Core only.
#pragma once

#include "solids/inputdeclaration.h"

#include <QJsonObject>
#include <QString>
#include <optional>

namespace ostrel {

// The editor's kind, its toolbar picture, its mass mode and its boxes: the seven of a solid in
// InputBox order, or a mechanism's inputs. The copy holds as many as the kind has.
struct EditorInputs {
    int code = 0; // 0: no kind chosen
    int image = 0;
    bool totalMass = true;
    InputTexts texts;

    bool operator==(const EditorInputs&) const = default;
};

struct SessionState {
    QString path; // absolute; empty for a list never saved
    std::optional<EditorInputs> editor;

    bool operator==(const SessionState&) const = default;
};

QJsonObject sessionJson(const SessionState& session);
SessionState sessionFromJson(const QJsonObject& object);

} // namespace ostrel
