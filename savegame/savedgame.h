// The saved game: where its file lies, what it holds, and saving and reading the board with it.
#pragma once

#include "game/board.h"
#include "savegame/profile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

namespace quintrel {

// The file holds, per position p, the card under section "Tile", key "Dir p" and the orientation
// under section "Spin", key "Tile p", as decimal numbers. Nothing else is written.
inline constexpr char CardSection[] = "Tile";
inline constexpr char OrientationSection[] = "Spin";
QByteArray cardKey(int position);        // "Dir 1" .. "Dir 9"
QByteArray orientationKey(int position); // "Tile 1" .. "Tile 9"

// Every value is read as into a 50-character buffer (at most 49 characters) with this default.
constexpr int SavedValueBufferSize = 50;
inline constexpr char MissingSavedValue[] = "NONE";

// The name a save gives the file when there is none yet.
inline constexpr char SavedGameFileName[] = "game.ini";

// The saved-game file of a folder. Its name is matched without regard to case so that save and
// load always meet on one file: a regular file comes before anything else under the name, then
// "GAME.INI", then "game.ini", then the first other spelling in code-unit order. With no match the
// result names "game.ini" in the folder, the file a save creates.
QString findSavedGameFile(const QString &folder);

// What opening a file for reading (and closing it at once) tells about it.
enum class FileProbe {
    Exists,
    Missing,
    Failed, // there but unusable: unreadable, a folder, a device; *reason says why
};
FileProbe probeFile(const QString &path, QString *reason = nullptr);

// A saved value as a 16-bit number: optional blanks/tabs around an optional sign, decimal digits
// and an optional fraction (".5", "7." and "7.25" all count), rounded to the nearest integer with
// an exact half going to the even neighbour. Empty for anything else ("NONE", "", "12abc",
// "0x10", "1e3": the game writes plain digits, and exponents are not taken as numbers) and for
// results outside -32768..32767.
std::optional<int16_t> convertSavedNumber(QByteArrayView text);

// The eighteen writes of a save: every position's card and orientation.
void writeBoardToProfile(Profile &profile, const Board &board);

// The eighteen reads of a load, position by position: each value that converts goes into
// savedCard or savedOrientation; a missing or unusable one leaves that field as it was. Returns
// how many values converted.
int readBoardFromProfile(const Profile &profile, Board &board);

struct SaveOutcome {
    enum class Status {
        Saved,
        Failed,       // the file could not be replaced; the old one, if any, is unchanged
        NotAttempted, // the file is there but could not be opened: nothing was written
    };
    Status status = Status::NotAttempted;
    QString path;   // the file saved to or meant
    QString reason; // why it failed or was not attempted, fit to show to the player
};

// Saves the board's cards and orientations into the folder's saved-game file. An existing file
// keeps every other line as it was; the new contents replace it in one step or not at all.
SaveOutcome saveBoard(const QString &folder, const Board &board);

struct LoadOutcome {
    enum class Status {
        Loaded,      // the file was there; whatever it held went into the saved fields
        NoSavedGame, // there is no file
        Unreadable,  // the file is there but could not be read; the board is unchanged
    };
    Status status = Status::Unreadable;
    QString path;
    int valuesRead = 0; // how many of the eighteen values converted
    QString reason;     // why it was unreadable, or why a file's contents were ignored
};

// Reads the folder's saved game into savedCard and savedOrientation of the board. A file larger
// than Profile::MaxFileBytes is treated as holding no values: it exists, so it counts as a saved
// game, but it is not one this program wrote.
LoadOutcome readSavedGame(const QString &folder, Board &board);

} // namespace quintrel
