// What a recovery copy keeps besides the project itself: the file the list belongs to and the
// part editor's inputs, so that a restored session goes on where it stopped (Save writes to
// that file, the editor shows the part being typed). Written as the "session" object of the
// copy; whatever in it is malformed is left out when read. Qt Core only.
#pragma once

#include <QJsonObject>
#include <QString>
#include <array>
#include <optional>

namespace ostrel {

// The editor's kind, its toolbar picture, its mass mode and the seven boxes in InputBox order.
struct EditorInputs {
    int code = 0; // 0: no kind chosen
    int image = 0;
    bool totalMass = true;
    std::array<QString, 7> texts;

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
