// gamefolders.h: where the game's files lie: its data (the card folders, SOUND/, the help texts)
// and its saved game. Paths are kept in the file system's own encoding, as bytes: a folder whose
// name is not valid UTF-8 is still found and used.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quintrel {

// The folder that holds the game's data, without a trailing separator except at the root.
QByteArray dataFolder();
// The folder that holds the saved game.
QByteArray saveFolder();

// True when the data lies in a folder of the player's own beside the executable (the build tree,
// a copied folder); false for an installed copy whose data lies in a shared folder, into which the
// game never writes.
bool isDataFolderOwn();

// A file below a folder: the folder, exactly one separator, then the relative name.
QByteArray fileIn(QByteArrayView folder, QByteArrayView relativeName);
// A file of the game's data.
QByteArray dataFile(QByteArrayView relativeName);

// A path as the player reads it in a message (bytes that are not UTF-8 show as replacement
// characters; the path itself is never rebuilt from this).
QString displayPath(QByteArrayView path);

// Tests point the game at folders of their own.
void setGameFolders(const QByteArray &data, const QByteArray &save, bool dataFolderOwn = true);

} // namespace quintrel
