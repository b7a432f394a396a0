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

// Makes an installed copy's save folder, and its missing parents, so that a save can write into
// it; new folders are the player's alone (mode 0700). The folder beside the program is left as it
// is. False when that fails, with the reason, fit to follow "Your game could not be saved: ".
bool makeSaveFolder(QString *reason);

// A file below a folder: the folder, exactly one separator, then the relative name.
QByteArray fileIn(QByteArrayView folder, QByteArrayView relativeName);
// A file of the game's data.
QByteArray dataFile(QByteArrayView relativeName);

// A path as the player reads it in a message (bytes that are not UTF-8 show as replacement
// characters; the path itself is never rebuilt from this).
QString displayPath(QByteArrayView path);

struct GameFolders {
    QByteArray data;
    QByteArray save;
    bool dataFolderOwn = true;
};

// The folders of the executable at executablePath (a real path, links resolved). Its data lies
// beside it when SOUND/QUINTREL.ICO is there: the build tree or a copied folder, where the saved
// game lies too. Otherwise an installed copy's data lies in ../share/quintrel from the
// executable's folder, and the saved game in the player's data folder: xdgDataHome/quintrel, or
// home/.local/share/quintrel when xdgDataHome is unset, empty or relative. With neither, the
// folder beside the executable stays the data folder, so that what is missing is named there.
GameFolders findGameFolders(const QByteArray &executablePath, const QByteArray &home, const QByteArray &xdgDataHome);

// Tests point the game at folders of their own.
void setGameFolders(const QByteArray &data, const QByteArray &save, bool dataFolderOwn = true);

} // namespace quintrel
