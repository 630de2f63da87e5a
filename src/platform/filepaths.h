// What a path names once its symbolic links are followed: a loop of links, or the same file
// as another path (through a link, a hard link or another spelling). Qt Core only.
#pragma once

#include <QString>

namespace ostrel {

// Whether following the symbolic links of path (its last part or a folder on the way) never
// ends.
bool isSymlinkLoop(const QString& path);

// Whether two paths name one file: the same file once every link is followed, a second hard
// link of it, or the same path spelt otherwise ("./a", "b/../a"). Two paths of which neither
// exists yet name one file when they would make the same name in the same folder.
bool isSameFile(const QString& first, const QString& second);

// The file a write to path replaces: path with its symbolic links followed as far as they
// lead (a link to a file that does not exist yet gives that file). Empty for a loop.
QString linkTarget(const QString& path);

} // namespace ostrel
