// libFuzzer target of the project reader: any bytes at all must give either a refusal with a
// message or a project that the list, the CSV text and the writer all take, and that reads
// back as the same project once written.
#include "list/csvexport.h"
#include "list/projectfile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const ostrel::ProjectRead read = ostrel::parseProject(bytes, QStringLiteral("fuzz.ostrel"));
    if (!read.ok) {
        if (read.error.isEmpty() || read.errorMessage.empty()) std::abort();
        return 0;
    }
    ostrel::PartsList list;
    ostrel::fillList(list, read);
    if (list.partCount() != int(read.project.lines.size())) std::abort();
    (void)ostrel::csvText(list);
    (void)ostrel::copyText(list);

    // The writer takes what its reader took.
    if (!ostrel::unreadableProject(read.project).empty()) std::abort();

    // Written back and read again: the same lines, and no stored result that differs (a line
    // whose inputs give no result is named again, as it keeps its stored results).
    const ostrel::ProjectRead again =
        ostrel::parseProject(ostrel::projectJson(read.project), QStringLiteral("again.ostrel"));
    if (!again.ok) std::abort();
    for (const ostrel::MessagePiece& piece : again.warningMessage)
        if (piece.entry == 496) std::abort();
    if (again.project.lines.size() != read.project.lines.size()) std::abort();
    for (size_t i = 0; i < read.project.lines.size(); ++i)
        if (again.project.lines[i].texts != read.project.lines[i].texts ||
            again.project.lines[i].exact != read.project.lines[i].exact)
            std::abort();
    if (again.project.title != read.project.title || again.project.notes != read.project.notes ||
        again.project.drive != read.project.drive)
        std::abort();
    return 0;
}
