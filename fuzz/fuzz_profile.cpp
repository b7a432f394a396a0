// libFuzzer target: the saved-game reader and writer on arbitrary file contents.
//
// Every read must stay inside its buffer, every write must change nothing but its own line, and
// everything written must read back from the written bytes.
#include "keybykeyreader.h"
#include "savegame/profile.h"
#include "savegame/savedgame.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <utility>

using namespace quintrel;

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_profile: %s\n", what);
        std::abort();
    }
}

QByteArray lowered(QByteArrayView text)
{
    QByteArray result = text.toByteArray();
    for (char &c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

// A piece of the file, so that chosen names often are names the file really holds.
QByteArrayView slice(const QByteArray &file, int start, int length)
{
    if (file.isEmpty())
        return {};
    const qsizetype from = start % file.size();
    return QByteArrayView(file).sliced(from, qMin<qsizetype>(length % 24, file.size() - from));
}

// The conversion against the C library for short texts made only of digits, signs and points,
// where a double holds the number exactly enough and nearbyint rounds half to even.
void checkConversion(QByteArrayView text)
{
    const std::optional<int16_t> converted = convertSavedNumber(text);
    if (converted)
        check(convertSavedNumber(QByteArray::number(*converted)) == converted, "conversion does not round-trip");

    const QByteArrayView inner = trimProfileBlanks(text);
    const std::string plain(inner.data(), static_cast<size_t>(inner.size()));
    if (plain.empty() || plain.size() > 15 || plain.find_first_not_of("0123456789+-.") != std::string::npos)
        return;
    char *stop = nullptr;
    const double number = std::strtod(plain.c_str(), &stop);
    const bool whole = stop == plain.c_str() + plain.size();
    const double rounded = std::nearbyint(number);
    const bool expected = whole && rounded >= -32768 && rounded <= 32767;
    check(converted.has_value() == expected, "conversion disagrees with strtod on success");
    if (expected)
        check(*converted == static_cast<int16_t>(rounded), "conversion disagrees with strtod on the value");
}

// A write may only change the tail of one line (a value) or insert whole lines.
void checkOneLineChanged(const QByteArray &before, const QByteArray &after)
{
    const qsizetype limit = qMin(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < limit && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < limit - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const QByteArrayView removed = QByteArrayView(before).sliced(prefix, before.size() - prefix - suffix);
    check(!removed.contains('\n') && !removed.contains('\r'), "a write changed more than one line");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The whole input is the file, so that seeds stay files; the keys, buffer sizes and board to
    // write come from a generator seeded by the input's hash.
    const QByteArray file(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    uint64_t hash = 1469598103934665603ull;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 1099511628211ull;
    std::mt19937_64 random(hash);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };

    struct Choice {
        QByteArray section, key, value;
        int bufferSize;
    };
    Choice choices[3];
    for (Choice &c : choices) {
        // Half of the names are the game's own, with their case changed now and then.
        const int kind = pick(0, 3);
        c.section = kind == 0   ? QByteArray(CardSection)
                    : kind == 1 ? QByteArray("sPIN")
                                : slice(file, pick(0, 65535), pick(0, 255)).toByteArray();
        c.key = pick(0, 1) == 0 ? (kind == 1 ? orientationKey(pick(1, 9)) : lowered(cardKey(pick(1, 9))))
                                : slice(file, pick(0, 65535), pick(0, 255)).toByteArray();
        c.value = slice(file, pick(0, 65535), pick(0, 255)).toByteArray();
        c.bufferSize = pick(-2, 80);
    }
    Board board;
    for (int p = 1; p <= PositionCount; ++p) {
        board[p].card = static_cast<int16_t>(pick(-32768, 32767));
        board[p].orientation = static_cast<int16_t>(pick(-32768, 32767));
    }

    // The reads of a load, and the conversion of what they give.
    Profile profile(file);
    Board loaded;
    const int converted = fuzzing::readBoardKeyByKey(profile, loaded);
    check(converted >= 0 && converted <= 18, "impossible count of converted values");
    for (int p = 1; p <= PositionCount; ++p) {
        const QByteArray card = profile.value(CardSection, cardKey(p), MissingSavedValue, SavedValueBufferSize);
        check(card.size() < SavedValueBufferSize, "value longer than its buffer");
        checkConversion(card);
    }

    // Reads and writes of keys picked from the file itself.
    std::map<std::pair<QByteArray, QByteArray>, QByteArray> written;
    for (const Choice &c : choices) {
        const auto [section, key, value, bufferSize] = c;
        const QByteArray read = profile.value(section, key, "NONE", bufferSize);
        check(read.size() <= qMax(0, bufferSize - 1), "value longer than its buffer");
        checkConversion(value);

        const QByteArray before = profile.bytes();
        if (profile.write(section, key, value)) {
            checkOneLineChanged(before, profile.bytes());
            written[{lowered(section), lowered(key)}] = value;
        } else {
            check(profile.bytes() == before, "a refused write changed the file");
        }
    }

    // The writes of a save, which must always be accepted.
    writeBoardToProfile(profile, board);
    for (int p = 1; p <= PositionCount; ++p) {
        written[{lowered(CardSection), lowered(cardKey(p))}] = QByteArray::number(board[p].card);
        written[{lowered(OrientationSection), lowered(orientationKey(p))}] = QByteArray::number(board[p].orientation);
    }

    // What was written reads back from the written bytes alone.
    const Profile reread(profile.bytes());
    for (const auto &[name, value] : written) {
        check(reread.value(name.first, name.second, "NONE", std::numeric_limits<int>::max()) == value,
              "a written value does not read back");
    }
    Board reloaded;
    check(fuzzing::readBoardKeyByKey(reread, reloaded) == 18, "a saved board does not read back whole");
    for (int p = 1; p <= PositionCount; ++p) {
        check(reloaded[p].card == board[p].card && reloaded[p].orientation == board[p].orientation,
              "a saved board reads back different");
    }
    const QByteArray end = reread.lineEnd();
    check(end == "\r\n" || end == "\n" || end == "\r", "impossible line end");
    return 0;
}
