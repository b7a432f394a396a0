// libFuzzer target: the saved-game reader on arbitrary file contents, in memory.
//
// Whatever the bytes, the reader must stay inside them, find what the key-by-key reader of the
// settings file finds, and either load a game the board can show or leave the board as it was.
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

bool looksLikeUtf16(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    const auto ascii = [](char c) { return c > 0 && c < 0x7F; };
    return bytes.size() >= 4
           && ((bytes[1] == '\0' && bytes[3] == '\0' && ascii(bytes[0]) && ascii(bytes[2]))
               || (bytes[0] == '\0' && bytes[2] == '\0' && ascii(bytes[1]) && ascii(bytes[3])));
}

bool showable(const Board &board)
{
    for (int p = 1; p <= PositionCount; ++p) {
        if (!isCard(board[p].savedCard) || !isOrientation(board[p].savedOrientation))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // A board in play whose saved fields an earlier load filled, so that a key the file lacks has
    // a value to keep; the first input byte empties one of them now and then, as in a fresh run.
    Board before;
    for (int p = 1; p <= PositionCount; ++p) {
        before[p].card = startCard(p);
        before[p].orientation = 1;
        before[p].savedCard = startCard(PositionCount + 1 - p);
        before[p].savedOrientation = int16_t(1 + p % OrientationCount);
    }
    if (size > 0 && data[0] % 3 == 0)
        before[1 + data[0] % PositionCount].savedOrientation = 0;

    Board board = before;
    const LoadOutcome outcome = readSavedGameBytes(bytes, board);
    check(outcome.status == LoadOutcome::Status::Loaded || outcome.status == LoadOutcome::Status::Refused,
          "an impossible outcome for bytes in memory");
    check((outcome.status == LoadOutcome::Status::Refused) != outcome.reason.isEmpty(), "a refusal without a reason");
    if (outcome.status == LoadOutcome::Status::Refused)
        check(board == before, "a refused game changed the board");

    if (looksLikeUtf16(bytes)) {
        check(outcome.status == LoadOutcome::Status::Refused && outcome.reason.contains(QLatin1String("UTF-16")),
              "a UTF-16 file was read");
        return 0;
    }

    // The one-pass reader against the eighteen lookups of the settings-file reader, on the same
    // bytes. Those lookups scan the file eighteen times and would take five times as long as
    // everything else, so they check one input in four, chosen by its hash.
    if (qHash(bytes) % 4 != 0)
        return 0;
    Board expected = before;
    const Profile profile(QByteArray::fromRawData(bytes.data(), bytes.size()));
    const int converted = fuzzing::readBoardKeyByKey(profile, expected);
    check(outcome.valuesRead == converted, "the readers convert different values");
    check((outcome.status == LoadOutcome::Status::Loaded) == showable(expected), "a refusal that is not one");
    if (outcome.status == LoadOutcome::Status::Loaded)
        check(board == expected, "the readers load different games");
    return 0;
}
