// libFuzzer target: the saved-game reader and writer on arbitrary file contents, in memory.
//
// Whatever the bytes, the reader must stay inside them, find what the key-by-key reader of the
// settings file finds, and either give a game the board can show or a reason; and a save into them
// must either be refused or write a file that reads back as exactly the game it saved.
#include "keybykeyreader.h"
#include "savegame/savedgame.h"

#include <QHashFunctions>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace quintrel;

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_savedgame: %s\n", what);
        std::abort();
    }
}

// Each of the nine cards once, each in one of the four orientations.
bool showable(const Board &board)
{
    int cards = 0;
    for (int p = 1; p <= PositionCount; ++p) {
        if (!isCard(board[p].card) || !isOrientation(board[p].orientation))
            return false;
        cards |= 1 << (board[p].card - FirstCard) / 10;
    }
    return cards == (1 << PositionCount) - 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // The arrangement an earlier load left, so that a key the file lacks has a value to keep; the
    // first input byte empties one of its fields now and then, as in a fresh run.
    Board earlier;
    for (int p = 1; p <= PositionCount; ++p) {
        earlier[p].card = startCard(PositionCount + 1 - p);
        earlier[p].orientation = int16_t(1 + p % OrientationCount);
    }
    if (size > 0 && data[0] % 3 == 0)
        earlier[1 + data[0] % PositionCount].orientation = 0;

    const SavedGameReading reading = readSavedGameBytes(bytes, earlier);
    check(reading.arrangement.has_value() == reading.refusal.isEmpty(), "a refusal without a reason, or both");
    if (reading.arrangement)
        check(showable(*reading.arrangement), "a game the board cannot show was taken");

    // A save over these bytes writes a file that a load takes as exactly the game saved.
    const QByteArray existing = bytes.toByteArray();
    const Board saved = reading.arrangement ? *reading.arrangement : earlier;
    if (showable(saved)) {
        const SavedGameWriting writing = writeSavedGameBytes(&existing, saved, earlier);
        if (writing.bytes)
            check(readSavedGameBytes(*writing.bytes, Board()).arrangement == saved, "a save does not read back");
        // A file that a load takes keeps its other lines.
        if (reading.arrangement && writing.bytes)
            check(writing.overSavedGame, "a saved game's other lines were thrown away");
    }

    if (reading.refusal.contains(QLatin1String("UTF-")))
        return 0;
    // The one-pass reader against the eighteen lookups of the settings-file reader, on the same
    // bytes. Those lookups scan the file eighteen times and would take five times as long as
    // everything else, so they check one input in four, chosen by its hash.
    if (qHash(bytes) % 4 != 0)
        return 0;
    Board expected = earlier;
    const Profile profile(existing);
    const int converted = fuzzing::readBoardKeyByKey(profile, expected);
    check(reading.valuesRead == converted, "the readers convert different values");
    check(reading.arrangement.has_value() == showable(expected), "a refusal that is not one");
    if (reading.arrangement)
        check(*reading.arrangement == expected, "the readers load different games");
    return 0;
}
