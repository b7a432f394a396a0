// Saving the board into its settings file and reading it back.
#include "savegame/savedgame.h"

#include "platform/caseinsensitivename.h"
#include "platform/filereplacement.h"
#include "platform/folderlock.h"
#include "platform/gamefolders.h"
#include "platform/regularfile.h"

#include <QCoreApplication>

#include <cerrno>

namespace quintrel {

namespace {

QByteArray positionKey(const char *word, int position)
{
    checkPosition(position);
    return QByteArray(word) + ' ' + QByteArray::number(position);
}

// A file written by a Windows editor as "Unicode": with its byte-order mark, or without one, its
// first two characters ASCII ones each paired with a NUL (random bytes hardly ever look like that).
// Read as bytes it holds no key the game knows, and a save would add lines in another encoding.
bool isUtf16(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    if (bytes.size() < 4)
        return false;
    const auto isAscii = [](char c) { return c > 0 && c < 0x7F; };
    const auto pairs = [&](int nul, int ascii) {
        return bytes[nul] == '\0' && bytes[nul + 2] == '\0' && isAscii(bytes[ascii]) && isAscii(bytes[ascii + 2]);
    };
    return pairs(1, 0) || pairs(0, 1);
}

// A saved game is text: a file with a NUL byte (and not in UTF-16, see above), or one that starts as
// a script does, is plainly something else, such as a program that another user put under the name.
// A save does not keep such bytes as lines of the new file, nor their permissions beyond reading
// and writing (replaceFile): the new file holds the game alone.
bool isPlainlyNoSavedGame(QByteArrayView bytes) { return bytes.contains('\0') || bytes.startsWith("#!"); }

QString tooLargeReason(const QByteArray &path)
{
    return QCoreApplication::translate("quintrel::SavedGame", "the file \"%1\" is too large to be a saved game")
        .arg(displayPath(path));
}

QString unreadableReason(const QByteArray &path, const FileContents &file)
{
    return QStringLiteral("%1: %2").arg(displayPath(path), describeFileProblem(file, SavedGameCap));
}

// What the file holds, as the player can read it: printable ASCII as it is, other bytes as \xNN.
QString quoted(QByteArrayView text)
{
    QString shown = QStringLiteral("\"");
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F)
            shown += QLatin1Char(c);
        else
            shown += QStringLiteral("\\x%1").arg(uint(byte), 2, 16, QLatin1Char('0'));
    }
    return shown + u'"';
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

// The name of the saved-game file in the open folder (see findSavedGameFile).
QByteArray savedGameName(int folder)
{
    const QByteArray name = findNameIgnoringCase(folder, SavedGameFileName, {"GAME.INI", "game.ini"});
    return name.isEmpty() ? QByteArray(SavedGameFileName) : name;
}

} // namespace

QByteArray cardKey(int position) { return positionKey("Dir", position); }

QByteArray orientationKey(int position) { return positionKey("Tile", position); }

QByteArray findSavedGameFile(const QByteArray &folder)
{
    const FileDescriptor dir = openFolder(folder);
    return fileIn(folder, dir.isOpen() ? savedGameName(dir.get()) : QByteArray(SavedGameFileName));
}

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

LoadOutcome readSavedGameBytes(QByteArrayView bytes, Board &board)
{
    LoadOutcome outcome;
    auto refuse = [&outcome](const QString &reason) {
        outcome.status = LoadOutcome::Status::Refused;
        outcome.reason = reason;
        return outcome;
    };
    if (isUtf16(bytes))
        return refuse(QCoreApplication::translate("quintrel::SavedGame",
                                                  "the file is written in UTF-16, which Quintrel does not read"));

    const auto cards = sectionValues(bytes, CardSection, cardKeys());
    const auto orientations = sectionValues(bytes, OrientationSection, orientationKeys());
    // As read into a buffer of SavedValueBufferSize characters.
    auto held = [](const std::optional<QByteArrayView> &value) -> std::optional<QByteArrayView> {
        if (!value)
            return std::nullopt;
        return value->first(qMin(value->size(), qsizetype(SavedValueBufferSize - 1)));
    };
    Board candidate = board;
    auto apply = [&](const std::optional<QByteArrayView> &text, int16_t &field) {
        if (!text)
            return;
        if (const std::optional<int16_t> number = convertSavedNumber(*text)) {
            field = *number;
            ++outcome.valuesRead;
        }
    };
    for (int position = 1; position <= PositionCount; ++position) {
        apply(held(cards[position - 1]), candidate[position].savedCard);
        apply(held(orientations[position - 1]), candidate[position].savedOrientation);
    }

    // A field is out of the set either because the file says so or because it says nothing usable
    // and no earlier load filled the field in: the message tells which.
    // Each reason is one whole sentence for the translators: "no card" and "as the card" read
    // differently from their orientation counterparts in other languages.
    auto problem = [](int position, const std::optional<QByteArrayView> &text, const char *missing,
                      const char *outside) {
        if (!text)
            return QCoreApplication::translate("quintrel::SavedGame", missing).arg(position);
        return QCoreApplication::translate("quintrel::SavedGame", outside).arg(position).arg(quoted(*text));
    };
    for (int position = 1; position <= PositionCount; ++position) {
        if (!isCard(candidate[position].savedCard))
            return refuse(problem(position, held(cards[position - 1]),
                                  QT_TRANSLATE_NOOP("quintrel::SavedGame", "for position %1 it holds no card"),
                                  QT_TRANSLATE_NOOP("quintrel::SavedGame",
                                                    "for position %1 it holds %2 as the card, which is not one of "
                                                    "the nine cards 1010, 1020 ... 1090")));
        if (!isOrientation(candidate[position].savedOrientation))
            return refuse(problem(position, held(orientations[position - 1]),
                                  QT_TRANSLATE_NOOP("quintrel::SavedGame", "for position %1 it holds no orientation"),
                                  QT_TRANSLATE_NOOP("quintrel::SavedGame",
                                                    "for position %1 it holds %2 as the orientation, which is not "
                                                    "one of the four orientations 1 to 4")));
    }
    board = candidate;
    outcome.status = LoadOutcome::Status::Loaded;
    return outcome;
}

LoadOutcome readSavedGame(const QByteArray &folder, Board &board)
{
    const FileDescriptor dir = openFolder(folder);
    const int openError = errno;
    FileContents file;
    QByteArray name = SavedGameFileName;
    if (dir.isOpen()) {
        name = savedGameName(dir.get());
        file = readFileIn(dir.get(), name, SavedGameCap);
    } else {
        file.status = openError == ENOENT ? FileStatus::Missing : FileStatus::Failed;
        file.error = openError;
    }
    const QByteArray path = fileIn(folder, name);
    LoadOutcome outcome;
    switch (file.status) {
    case FileStatus::Read:
        outcome = readSavedGameBytes(file.bytes, board);
        break;
    case FileStatus::Missing:
        outcome.status = LoadOutcome::Status::NoSavedGame;
        break;
    case FileStatus::TooLarge:
        outcome.status = LoadOutcome::Status::Refused;
        outcome.reason = tooLargeReason(path);
        break;
    case FileStatus::LinkNotFollowed:
        outcome.status = LoadOutcome::Status::Refused;
        outcome.reason = unreadableReason(path, file);
        break;
    case FileStatus::NotRegular:
    case FileStatus::Failed:
        outcome.status = LoadOutcome::Status::Unreadable;
        outcome.reason = unreadableReason(path, file);
        break;
    }
    outcome.path = path;
    return outcome;
}

SaveOutcome saveBoard(const QByteArray &folder, const Board &board)
{
    SaveOutcome outcome;
    outcome.path = fileIn(folder, SavedGameFileName);
    auto end = [&outcome](SaveOutcome::Status status, const QString &reason) {
        outcome.status = status;
        outcome.reason = reason;
        return outcome;
    };

    // Held from before the old file is read until the new one is in place. A save that cannot
    // have it says nothing of the old file: the other save may be replacing it at this moment.
    const FolderLock lock(folder);
    if (lock.folder() < 0) {
        return end(SaveOutcome::Status::Failed,
                   QStringLiteral("%1: %2").arg(displayPath(outcome.path), qt_error_string(lock.openError())));
    }
    if (!lock.isUsable())
        return end(SaveOutcome::Status::Failed, lock.problem());
    const QByteArray name = savedGameName(lock.folder());
    outcome.path = fileIn(folder, name);

    Profile profile;
    std::optional<unsigned> permissions;
    const FileContents file = readFileIn(lock.folder(), name, SavedGameCap);
    switch (file.status) {
    case FileStatus::Missing:
    // Replaced by a file of the player's own; what the link leads to is never read.
    case FileStatus::LinkNotFollowed:
        break;
    case FileStatus::NotRegular:
    case FileStatus::Failed:
        return end(SaveOutcome::Status::NotAttempted, unreadableReason(outcome.path, file));
    // A file that cannot be read whole, or only in another encoding, is not rewritten: writing
    // only our keys would throw away the rest of it or mix two encodings in one file.
    case FileStatus::TooLarge:
        return end(SaveOutcome::Status::Failed, tooLargeReason(outcome.path));
    case FileStatus::Read:
        // A write into a file the player may not write fails and leaves it as it is; so does a save,
        // although the rename that replaces it would be allowed.
        if (!file.writable) {
            outcome.hadSavedGame = !isPlainlyNoSavedGame(file.bytes);
            return end(SaveOutcome::Status::Failed,
                       QCoreApplication::translate("quintrel::SavedGame", "the file \"%1\" is read-only")
                           .arg(displayPath(outcome.path)));
        }
        if (isUtf16(file.bytes)) {
            return end(SaveOutcome::Status::Failed,
                       QCoreApplication::
                           translate("quintrel::SavedGame",
                                     "the file \"%1\" is written in UTF-16, which Quintrel does not write")
                               .arg(displayPath(outcome.path)));
        }
        permissions = file.permissions;
        if (isPlainlyNoSavedGame(file.bytes))
            break;
        outcome.hadSavedGame = true;
        profile = Profile(file.bytes);
        break;
    }

    writeBoardToProfile(profile, board);
    QString reason;
    if (!replaceFile(lock, name, profile.bytes(), permissions, &reason))
        return end(SaveOutcome::Status::Failed, reason);
    return end(SaveOutcome::Status::Saved, {});
}

} // namespace quintrel
