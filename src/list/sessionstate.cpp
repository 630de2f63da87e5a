#include "list/sessionstate.h"

#include "list/projectfile.h"
#include "solids/kinds.h"

#include <QDir>
#include <QJsonArray>

namespace ostrel {

namespace {

constexpr int MaxPathText = 4096;
constexpr int MaxImage = 1000;

// A text read back as the user typed it: within its limit and without control characters.
std::optional<QString> plainText(const QJsonValue& value, int limit) {
    if (!value.isString()) return std::nullopt;
    const QString text = value.toString();
    if (text.size() > limit) return std::nullopt;
    for (QChar c : text)
        if (c.category() == QChar::Other_Control) return std::nullopt;
    return text;
}

std::optional<EditorInputs> editorFromJson(const QJsonValue& value) {
    if (!value.isObject()) return std::nullopt;
    const QJsonObject object = value.toObject();
    EditorInputs editor;
    const double code = object.value(QLatin1String("code")).toDouble(-1);
    const double image = object.value(QLatin1String("image")).toDouble(-1);
    const QJsonValue mode = object.value(QLatin1String("totalMass"));
    const QJsonArray texts = object.value(QLatin1String("inputs")).toArray();
    if (code != int(code) || (code != 0 && !isKnownKind(int(code)))) return std::nullopt;
    if (image != int(image) || image < 0 || image > MaxImage) return std::nullopt;
    const size_t count = kindInputs(int(code)).size();
    if (!mode.isBool() || texts.size() != qsizetype(count)) return std::nullopt;
    editor.code = int(code);
    editor.image = int(image);
    editor.totalMass = mode.toBool();
    for (size_t i = 0; i < count; ++i) {
        const auto text = plainText(texts.at(qsizetype(i)), ProjectLimits::MaxInputText);
        if (!text) return std::nullopt;
        editor.texts[i] = *text;
    }
    return editor;
}

} // namespace

QJsonObject sessionJson(const SessionState& session) {
    QJsonObject object;
    if (!session.path.isEmpty()) object.insert(QLatin1String("path"), session.path);
    if (session.editor) {
        QJsonArray texts;
        const size_t count = kindInputs(session.editor->code).size();
        for (size_t i = 0; i < count; ++i)
            texts.append(session.editor->texts[i]);
        object.insert(QLatin1String("editor"),
                      QJsonObject{{QLatin1String("code"), session.editor->code},
                                  {QLatin1String("image"), session.editor->image},
                                  {QLatin1String("totalMass"), session.editor->totalMass},
                                  {QLatin1String("inputs"), texts}});
    }
    return object;
}

SessionState sessionFromJson(const QJsonObject& object) {
    SessionState session;
    const auto path = plainText(object.value(QLatin1String("path")), MaxPathText);
    if (path && QDir::isAbsolutePath(*path)) session.path = QDir::cleanPath(*path);
    session.editor = editorFromJson(object.value(QLatin1String("editor")));
    return session;
}

} // namespace ostrel
