// The saved game's format: which card lies on each position and how it is turned, as the keys of a
// settings file. Bytes to board and board to bytes; finding, reading and replacing the file in its
// folder is one call into the platform each way (platform/folderfile.h).
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

// The name a save gives the file when there is none yet. Its name is matched without regard to
// case, so that save and load always meet on one file: a regular file (or a link to one) before
// anything else under the name, then "GAME.INI", then "game.ini", then the first other spelling in
// byte order.
inline constexpr char SavedGameFileName[] = "game.ini";

// The game writes some 250 bytes; the cap leaves room for any amount of hand-made comments and
// still reads in milliseconds. A larger file is refused by a load, and never written by a save.
inline constexpr qsizetype SavedGameCap = 4 << 20;

// A saved value as a 16-bit number: optional blanks/tabs around an optional sign, decimal digits
// and an optional fraction (".5", "7." and "7.25" all count), rounded to the nearest integer with
// an exact half going to the even neighbour. Empty for anything else ("NONE", "", "12abc",
// "0x10", "1e3": the game writes plain digits, and exponents are not taken as numbers) and for
// results outside -32768..32767.
std::optional<int16_t> convertSavedNumber(QByteArrayView text);

// The eighteen writes of a save: every position's card and orientation.
void writeBoardToProfile(Profile &profile, const Board &board);

struct SavedGameReading {
    // The saved arrangement (cards and orientations), when the board can show it and it can be won.
    std::optional<Board> arrangement;
    // Otherwise why not, fit to follow "The saved game could not be loaded: ", e.g. "for position 2
    // it holds "four" as the orientation, ...".
    QString refusal;
    int valuesRead = 0; // how many of the eighteen values converted
};

// The saved arrangement in a file's bytes. The eighteen values are read as Profile::value reads
// them, each into a buffer of SavedValueBufferSize, with the default MissingSavedValue; each one that
// converts (convertSavedNumber) is taken, and a missing or unusable one keeps its value in
// `earlier`, the arrangement of the load before (all zero in a fresh run). The result must hold each
// of the nine cards once, each in one of the four orientations, or the game is refused: the board
// could not show it, or it could never be won. Text in UTF-16 or UTF-32 is refused. In one pass
// over the bytes per section.
SavedGameReading readSavedGameBytes(QByteArrayView bytes, const Board &earlier);

struct SavedGameWriting {
    // Why a file is left as it is.
    enum class Refusal {
        None,
        Utf16,    // text in UTF-16
        Utf32,    // text in UTF-32
        TooLarge, // its other lines would take it beyond SavedGameCap
        Garbled,  // with the game written in, its other bytes would keep it from reading back
    };
    std::optional<QByteArray> bytes; // the file with the board in it
    Refusal refusal = Refusal::None;
    // The file there before is a saved game, whose other lines the save keeps: one the player
    // would miss if the save failed.
    bool overSavedGame = false;
};

// The file a save writes: the board's eighteen values written into the file there before
// (existing; none for a new file), each where its key stands, every other line kept as it is. A
// file that a load would refuse (with earlier, the arrangement of the game's last load) and that is
// plainly something else, with a NUL byte or starting as a script does (a program another user put
// under the name), keeps nothing: the new file holds the game alone. Refused when the file is text in UTF-16 or UTF-32,
// where the game's lines would stand in another encoding, and whenever the new file would not read
// back as the board: with its other lines larger than SavedGameCap, or its other bytes such that
// they would then read as text in UTF-16.
SavedGameWriting writeSavedGameBytes(const QByteArray *existing, const Board &board, const Board &earlier);

struct SaveOutcome {
    enum class Status { Saved, Failed };
    Status status = Status::Failed;
    QByteArray path; // the file saved to or meant
    QString reason;  // why it failed, fit to follow "Your game could not be saved: "
    // A saved game was there before the save and, since it failed, still is. False when the save
    // could not have the folder's lock: another save may be replacing the file meanwhile.
    bool hadSavedGame = false;
};

// Saves the board into the folder's saved-game file (writeSavedGameBytes, with the arrangement of
// the game's last load), replacing it in one step under the folder's lock (replaceFolderFile).
SaveOutcome saveBoard(const QByteArray &folder, const Board &board, const Board &earlier = Board());

struct LoadOutcome {
    enum class Status {
        Loaded,      // arrangement holds the file's game
        NoSavedGame, // there is no file
        Refused,     // there is one, but it could not be read or holds no game the board can show
    };
    Status status = Status::Refused;
    QByteArray path;
    Board arrangement;
    int valuesRead = 0;
    QString reason; // why it was refused, fit to follow "The saved game could not be loaded: "
};

// Reads the folder's saved game (readFolderFile, then readSavedGameBytes with earlier).
LoadOutcome readSavedGame(const QByteArray &folder, const Board &earlier);

} // namespace quintrel
