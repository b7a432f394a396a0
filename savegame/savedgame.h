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

// The saved-game file of a folder; paths are bytes in the file system's encoding. Its name is
// matched without regard to case so that save and load always meet on one file: a regular file
// (or a link to one) comes before anything else under the name, then "GAME.INI", then
// "game.ini", then the first other spelling in byte order. With no match the result names
// "game.ini" in the folder, the file a save creates.
QByteArray findSavedGameFile(const QByteArray &folder);

// A saved value as a 16-bit number: optional blanks/tabs around an optional sign, decimal digits
// and an optional fraction (".5", "7." and "7.25" all count), rounded to the nearest integer with
// an exact half going to the even neighbour. Empty for anything else ("NONE", "", "12abc",
// "0x10", "1e3": the game writes plain digits, and exponents are not taken as numbers) and for
// results outside -32768..32767.
std::optional<int16_t> convertSavedNumber(QByteArrayView text);

// The eighteen writes of a save: every position's card and orientation.
void writeBoardToProfile(Profile &profile, const Board &board);

struct SaveOutcome {
    enum class Status {
        Saved,
        Failed,       // the file could not be replaced; whatever was there is unchanged
        NotAttempted, // the file is there but could not be opened: nothing was written
    };
    Status status = Status::NotAttempted;
    QByteArray path; // the file saved to or meant
    QString reason;  // why it failed or was not attempted, fit to show to the player
    // A saved game was there before the save and, if it failed, still is. False when the save
    // could not have the folder's lock: another save may be replacing the file meanwhile.
    bool hadSavedGame = false;
};

// Saves the board's cards and orientations into the folder's saved-game file, holding the folder's
// lock (folderlock.h) throughout. An existing file keeps every other line as it was; the new
// contents replace it in one step or not at all, with the old file's read and write permissions.
// A file that is not a saved game this program can rewrite whole (too large, or in UTF-16, which
// would end up with lines in two encodings) is left alone and the save fails; so is a file that
// the player may not write. A file that is plainly no saved game (binary bytes, a script) and a
// link that is not read through (readFileIn) are replaced by a file that holds the game alone.
SaveOutcome saveBoard(const QByteArray &folder, const Board &board);

struct LoadOutcome {
    enum class Status {
        Loaded,      // the saved fields hold the file's game
        NoSavedGame, // there is no file
        Unreadable,  // the file is there but could not be opened or read
        Refused,     // the file holds no game the board can show; reason says why
    };
    Status status = Status::Unreadable;
    QByteArray path;
    int valuesRead = 0; // how many of the eighteen values converted
    // Unreadable: the file and why. Refused: why, fit to follow "The saved game could not be
    // loaded: ", e.g. "for position 2 it holds "four" as the orientation, ...".
    QString reason;
};

// Reads a saved game from the file's bytes into savedCard and savedOrientation of the board, then
// looks at what it got. The eighteen values are read as Profile::value reads them, each into a
// buffer of SavedValueBufferSize, with the default MissingSavedValue; each one that converts
// (convertSavedNumber) goes into its field, and a missing or unusable one leaves the field as it
// was, so that a key that is missing keeps the value of an earlier load. Every saved field must then
// be one of the nine cards and the four orientations, or the whole game is refused, since the board
// could not show it or could never be won from it. A file in UTF-16 is refused. The board changes only when the result
// is Loaded. Everything in memory, in one pass over the bytes per section.
LoadOutcome readSavedGameBytes(QByteArrayView bytes, Board &board);

// The same from the folder's saved-game file: NoSavedGame when there is none, Unreadable when it
// is not a regular file or cannot be read, Refused when it is larger than a saved game can be
// (SavedGameCap) or a link that is not read through (readFileIn).
LoadOutcome readSavedGame(const QByteArray &folder, Board &board);

} // namespace quintrel
