// The saved game's format: reading the arrangement from a file's bytes and writing the board into them.
#include "savegame/savedgame.h"

#include "platform/folderfile.h"
#include "platform/gamefolders.h"
#include "platform/regularfile.h"

#include <QCoreApplication>

namespace quintrel {

namespace {

QByteArray positionKey(const char *word, int position)
{
    checkPosition(position);
    return QByteArray(word) + ' ' + QByteArray::number(position);
}

// Text in UTF-16 or UTF-32, as a Windows editor writes "Unicode": with its byte-order mark, or
// without one, the characters of a Latin alphabet each taking one byte of the two or four, the
// others NUL, always at the same places. Read as bytes it holds no key the game knows, and a save
// would add lines in another encoding. Random bytes and programs hardly ever look like that over
// the first kilobyte, and a text in one byte per character never does.
enum class WideText { None, Utf16, Utf32 };

WideText wideTextOf(QByteArrayView bytes)
{
    if (bytes.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)) || bytes.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        return WideText::Utf32;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return WideText::Utf16;
    const QByteArrayView start = bytes.first(qMin<qsizetype>(bytes.size(), 1024));
    // How many units of `width` bytes hold their one non-NUL byte at `at`.
    auto units = [&start](int width, int at) {
        qsizetype matching = 0;
        const qsizetype count = start.size() / width;
        for (qsizetype unit = 0; unit < count; ++unit) {
            const QByteArrayView bytesOfUnit = start.sliced(unit * width, width);
            bool fits = true;
            for (int i = 0; i < width && fits; ++i)
                fits = (bytesOfUnit[i] != '\0') == (i == at);
            matching += fits;
        }
        return count >= 2 && matching * 4 >= count * 3;
    };
    if (units(4, 0) || units(4, 3))
        return WideText::Utf32;
    if (units(2, 0) || units(2, 1))
        return WideText::Utf16;
    return WideText::None;
}

// What a file holds, as the player can read it: printable ASCII as it is, other bytes as \xNN. The
// quotation marks around it are each language's own, in the sentence that shows it.
QString shownValue(QByteArrayView text)
{
    QString shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F)
            shown += QLatin1Char(c);
        else
            shown += QStringLiteral("\\x%1").arg(uint(byte), 2, 16, QLatin1Char('0'));
    }
    return shown;
}

QList<QByteArray> nineKeys(QByteArray (*key)(int))
{
    QList<QByteArray> keys;
    for (int position = 1; position <= PositionCount; ++position)
        keys << key(position);
    return keys;
}

// Made once: a load looks each of them up.
const QList<QByteArray> &cardKeys()
{
    static const QList<QByteArray> keys = nineKeys(cardKey);
    return keys;
}

const QList<QByteArray> &orientationKeys()
{
    static const QList<QByteArray> keys = nineKeys(orientationKey);
    return keys;
}

// A saved game is text: a file with a NUL byte, or one that starts as a script does, is plainly
// something else, such as a program that another user put under the name, when a load would refuse
// it. One that a load takes is a saved game, whatever else it holds.
bool isPlainlyNoSavedGame(QByteArrayView bytes, const Board &earlier)
{
    return (bytes.contains('\0') || bytes.startsWith("#!")) && !readSavedGameBytes(bytes, earlier).arrangement;
}

QString tooLargeReason(const QByteArray &path)
{
    return QCoreApplication::translate("quintrel::SavedGame", "the file \"%1\" is too large to be a saved game")
        .arg(displayPath(path));
}

const FolderFileName &savedGameName()
{
    static const FolderFileName name{SavedGameFileName, {"GAME.INI", "game.ini"}};
    return name;
}

} // namespace

QByteArray cardKey(int position) { return positionKey("Dir", position); }

QByteArray orientationKey(int position) { return positionKey("Tile", position); }

std::optional<int16_t> convertSavedNumber(QByteArrayView untrimmed)
{
    const QByteArrayView text = trimProfileBlanks(untrimmed);
    const qsizetype end = text.size();

    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    qsizetype i = 0;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Past 32768 no rounding or sign brings a number back into range, so the digits after that
    // are only checked, never accumulated: a thousand-digit value cannot overflow.
    constexpr int Beyond = 32769;
    int whole = 0;
    qsizetype wholeDigits = 0;
    for (; i < end && isDigit(text[i]); ++i, ++wholeDigits) {
        if (whole < Beyond)
            whole = std::min(whole * 10 + (text[i] - '0'), Beyond);
    }

    int firstFraction = 0;
    bool restOfFraction = false;
    qsizetype fractionDigits = 0;
    if (i < end && text[i] == '.') {
        for (++i; i < end && isDigit(text[i]); ++i, ++fractionDigits) {
            if (fractionDigits == 0)
                firstFraction = text[i] - '0';
            else if (text[i] != '0')
                restOfFraction = true;
        }
    }
    if (i != end || wholeDigits + fractionDigits == 0)
        return std::nullopt;

    int magnitude = whole;
    if (firstFraction > 5 || (firstFraction == 5 && (restOfFraction || magnitude % 2 == 1)))
        ++magnitude;
    const int value = negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return static_cast<int16_t>(value);
}

void writeBoardToProfile(Profile &profile, const Board &board)
{
    for (int position = 1; position <= PositionCount; ++position)
        profile.write(CardSection, cardKey(position), QByteArray::number(board[position].card));
    for (int position = 1; position <= PositionCount; ++position)
        profile.write(OrientationSection, orientationKey(position), QByteArray::number(board[position].orientation));
}

SavedGameReading readSavedGameBytes(QByteArrayView bytes, const Board &earlier)
{
    SavedGameReading reading;
    auto refuse = [&reading](const QString &reason) {
        reading.refusal = reason;
        return reading;
    };
    switch (wideTextOf(bytes)) {
    case WideText::Utf16:
        return refuse(QCoreApplication::translate("quintrel::SavedGame",
                                                  "the file is written in UTF-16, which Quintrel does not read"));
    case WideText::Utf32:
        return refuse(QCoreApplication::translate("quintrel::SavedGame",
                                                  "the file is written in UTF-32, which Quintrel does not read"));
    case WideText::None:
        break;
    }

    const auto cards = sectionValues(bytes, CardSection, cardKeys());
    const auto orientations = sectionValues(bytes, OrientationSection, orientationKeys());
    // As read into a buffer of SavedValueBufferSize characters.
    auto held = [](const std::optional<QByteArrayView> &value) -> std::optional<QByteArrayView> {
        if (!value)
            return std::nullopt;
        return value->first(qMin(value->size(), qsizetype(SavedValueBufferSize - 1)));
    };
    Board candidate = earlier;
    auto apply = [&](const std::optional<QByteArrayView> &text, int16_t &field) {
        if (!text)
            return;
        if (const std::optional<int16_t> number = convertSavedNumber(*text)) {
            field = *number;
            ++reading.valuesRead;
        }
    };
    for (int position = 1; position <= PositionCount; ++position) {
        apply(held(cards[position - 1]), candidate[position].card);
        apply(held(orientations[position - 1]), candidate[position].orientation);
    }

    // A value is out of the set either because the file says so or because it says nothing usable
    // and no earlier load filled it in: the message tells which.
    // Each reason is one whole sentence for the translators: "no card" and "as the card" read
    // differently from their orientation counterparts in other languages.
    auto problem = [](int position, const std::optional<QByteArrayView> &text, const char *missing,
                      const char *outside) {
        if (!text)
            return QCoreApplication::translate("quintrel::SavedGame", missing).arg(position);
        return QCoreApplication::translate("quintrel::SavedGame", outside).arg(position).arg(shownValue(*text));
    };
    std::array<int, PositionCount> positionOfCard{};
    for (int position = 1; position <= PositionCount; ++position) {
        const Cell &cell = candidate[position];
        if (!isCard(cell.card))
            return refuse(problem(position, held(cards[position - 1]),
                                  QT_TRANSLATE_NOOP("quintrel::SavedGame", "for position %1 it holds no card"),
                                  QT_TRANSLATE_NOOP("quintrel::SavedGame",
                                                    "for position %1 it holds \"%2\" as the card, which is not one "
                                                    "of the nine cards 1010, 1020 ... 1090")));
        if (!isOrientation(cell.orientation))
            return refuse(problem(position, held(orientations[position - 1]),
                                  QT_TRANSLATE_NOOP("quintrel::SavedGame", "for position %1 it holds no orientation"),
                                  QT_TRANSLATE_NOOP("quintrel::SavedGame",
                                                    "for position %1 it holds \"%2\" as the orientation, which is "
                                                    "not one of the four orientations 1 to 4")));
        // Nine positions and nine cards: a card twice leaves another one out, and the game could
        // never be won.
        int &first = positionOfCard[size_t(cell.card - FirstCard) / 10];
        if (first != 0)
            return refuse(
                QCoreApplication::
                    translate("quintrel::SavedGame",
                              "it holds card %1 for both position %2 and position %3, and a game holds each card "
                              "once")
                        .arg(cell.card)
                        .arg(first)
                        .arg(position));
        first = position;
    }
    reading.arrangement = candidate;
    return reading;
}

SavedGameWriting writeSavedGameBytes(const QByteArray *existing, const Board &board, const Board &earlier)
{
    SavedGameWriting writing;
    Profile profile;
    if (existing) {
        switch (wideTextOf(*existing)) {
        case WideText::Utf16:
            writing.refusal = SavedGameWriting::Refusal::Utf16;
            return writing;
        case WideText::Utf32:
            writing.refusal = SavedGameWriting::Refusal::Utf32;
            return writing;
        case WideText::None:
            break;
        }
        // Neither its bytes are kept as lines of the new file, nor its permissions beyond reading
        // and writing (replaceFolderFile): the new file holds the game alone.
        if (!isPlainlyNoSavedGame(*existing, earlier)) {
            profile = Profile(*existing);
            writing.overSavedGame = true;
        }
    }
    writeBoardToProfile(profile, board);
    // A save never writes a file that a load would refuse or read otherwise.
    if (profile.bytes().size() > SavedGameCap) {
        writing.refusal = SavedGameWriting::Refusal::TooLarge;
        return writing;
    }
    if (readSavedGameBytes(profile.bytes(), Board()).arrangement != board) {
        writing.refusal = SavedGameWriting::Refusal::Garbled;
        return writing;
    }
    writing.bytes = profile.bytes();
    return writing;
}

SaveOutcome saveBoard(const QByteArray &folder, const Board &board, const Board &earlier)
{
    SavedGameWriting written;
    const FolderFileWriting writing = replaceFolderFile(folder, savedGameName(), SavedGameCap,
                                                        [&](const QByteArray *existing) {
                                                            written = writeSavedGameBytes(existing, board, earlier);
                                                            return written.bytes;
                                                        });
    SaveOutcome outcome;
    outcome.path = writing.path;
    const QString shown = displayPath(writing.path);
    switch (writing.status) {
    case FolderFileWriting::Status::Written:
        outcome.status = SaveOutcome::Status::Saved;
        return outcome;
    case FolderFileWriting::Status::TooLarge:
        outcome.reason = tooLargeReason(writing.path);
        return outcome;
    case FolderFileWriting::Status::Failed:
        break;
    }
    outcome.hadSavedGame = writing.oldFileUnchanged && written.overSavedGame;
    switch (written.refusal) {
    case SavedGameWriting::Refusal::None:
        outcome.reason = writing.problem;
        break;
    case SavedGameWriting::Refusal::Utf16:
        outcome.reason =
            QCoreApplication::translate("quintrel::SavedGame",
                                        "the file \"%1\" is written in UTF-16, which Quintrel does not write")
                .arg(shown);
        break;
    case SavedGameWriting::Refusal::Utf32:
        outcome.reason =
            QCoreApplication::translate("quintrel::SavedGame",
                                        "the file \"%1\" is written in UTF-32, which Quintrel does not write")
                .arg(shown);
        break;
    case SavedGameWriting::Refusal::Garbled:
        outcome.reason =
            QCoreApplication::
                translate("quintrel::SavedGame",
                          "the file \"%1\" holds bytes that would keep the game written into it from being "
                          "read back")
                    .arg(shown);
        break;
    case SavedGameWriting::Refusal::TooLarge:
        outcome.reason =
            QCoreApplication::
                translate("quintrel::SavedGame",
                          "with its other lines the file \"%1\" would grow larger than %2, and a saved game that "
                          "large could not be loaded again")
                    .arg(shown, describeCap(SavedGameCap));
        break;
    }
    return outcome;
}

LoadOutcome readSavedGame(const QByteArray &folder, const Board &earlier)
{
    const FolderFileReading file = readFolderFile(folder, savedGameName(), SavedGameCap);
    LoadOutcome outcome;
    outcome.path = file.path;
    switch (file.status) {
    case FolderFileReading::Status::Read: {
        SavedGameReading reading = readSavedGameBytes(file.bytes, earlier);
        outcome.valuesRead = reading.valuesRead;
        outcome.reason = reading.refusal;
        if (reading.arrangement) {
            outcome.status = LoadOutcome::Status::Loaded;
            outcome.arrangement = *reading.arrangement;
        }
        break;
    }
    case FolderFileReading::Status::Missing:
        outcome.status = LoadOutcome::Status::NoSavedGame;
        break;
    case FolderFileReading::Status::TooLarge:
        outcome.reason = tooLargeReason(file.path);
        break;
    case FolderFileReading::Status::Failed:
        outcome.reason = file.problem;
        break;
    }
    return outcome;
}

} // namespace quintrel
