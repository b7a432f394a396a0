// programfolder.h: the folder beside the executable that holds the game's data and its saved game.
#pragma once

#include <QString>

namespace quintrel {

// The folder that holds the running executable (its real path), without a trailing separator
// except at the root. Tests may point it elsewhere.
QString programFolder();
void setProgramFolder(const QString &folder);
// A file beside the program: the program folder, exactly one separator, then the relative name.
QString programFile(const QString &relativeName);

} // namespace quintrel
