// Saving the board into its settings file and reading it back.
#include "savegame/savedgame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace quintrel {

namespace {

QByteArray positionKey(const char *word, int position)
{
    if (position < 1 || position > PositionCount)
        throw std::out_of_range("board position " + std::to_string(position) + " is not 1 to 9");
    return QByteArray(word) + ' ' + QByteArray::number(position);
}

bool isSavedGameName(const QString &name)
{
    static const QString wanted = QString::fromLatin1(SavedGameFileName);
    if (name.size() != wanted.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c >= 0x80)
            return false;
        const char16_t lower = (c >= 'A' && c <= 'Z') ? char16_t(c - 'A' + 'a') : c;
        if (lower != wanted[i].unicode())
            return false;
    }
    return true;
}

} // namespace

QByteArray cardKey(int position)
{
    return positionKey("Dir", position);
}

QByteArray orientationKey(int position)
{
    return positionKey("Tile", position);
}

QString findSavedGameFile(const QString &folder)
{
    const QDir dir(folder);
    struct Candidate {
        bool regularFile;
        int rank;
        QString name;
    };
    std::vector<Candidate> candidates;
    const QStringList names =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        if (!isSavedGameName(name))
            continue;
        const int rank = name == QLatin1String("GAME.INI") ? 0 : name == QLatin1String("game.ini") ? 1 : 2;
        candidates.push_back({QFileInfo(dir.filePath(name)).isFile(), rank, name});
    }
    if (candidates.empty())
        return dir.filePath(QString::fromLatin1(SavedGameFileName));
    const auto best = std::min_element(candidates.begin(), candidates.end(),
                                       [](const Candidate &a, const Candidate &b) {
                                           if (a.regularFile != b.regularFile)
                                               return a.regularFile;
                                           if (a.rank != b.rank)
                                               return a.rank < b.rank;
                                           return a.name < b.name;
                                       });
    return dir.filePath(best->name);
}

FileProbe probeFile(const QString &path, QString *reason)
{
    auto failed = [&](const QString &why) {
        if (reason)
            *reason = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
        return FileProbe::Failed;
    };

    const QFileInfo info(path);
    if (!info.exists())
        return FileProbe::Missing;
    // Opening a pipe for reading would wait for a writer; a folder or a device is no saved game.
    if (!info.isFile())
        return failed(QStringLiteral("not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(path))
            return FileProbe::Missing;
        return failed(file.errorString());
    }
    file.close();
    return FileProbe::Exists;
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
        profile.write(OrientationSection, orientationKey(position),
                      QByteArray::number(board[position].orientation));
}

int readBoardFromProfile(const Profile &profile, Board &board)
{
    int converted = 0;
    auto read = [&](const char *section, const QByteArray &key, int16_t &field) {
        const QByteArray text = profile.value(section, key, MissingSavedValue, SavedValueBufferSize);
        if (const std::optional<int16_t> number = convertSavedNumber(text)) {
            field = *number;
            ++converted;
        }
    };
    for (int position = 1; position <= PositionCount; ++position) {
        read(CardSection, cardKey(position), board[position].savedCard);
        read(OrientationSection, orientationKey(position), board[position].savedOrientation);
    }
    return converted;
}

SaveOutcome saveBoard(const QString &folder, const Board &board)
{
    SaveOutcome outcome;
    outcome.path = findSavedGameFile(folder);
    Profile profile;
    QString reason;
    switch (probeFile(outcome.path, &reason)) {
    case FileProbe::Failed:
        outcome.status = SaveOutcome::Status::NotAttempted;
        outcome.reason = reason;
        return outcome;
    case FileProbe::Missing:
        break;
    case FileProbe::Exists:
        // A file that cannot be read whole is not rewritten: writing only our keys would throw
        // away the rest of it.
        if (profile.readFile(outcome.path, &reason) != Profile::ReadResult::Read) {
            outcome.status = SaveOutcome::Status::Failed;
            outcome.reason = reason;
            return outcome;
        }
        break;
    }

    writeBoardToProfile(profile, board);
    if (!profile.commit(outcome.path, &reason)) {
        outcome.status = SaveOutcome::Status::Failed;
        outcome.reason = reason;
        return outcome;
    }
    outcome.status = SaveOutcome::Status::Saved;
    return outcome;
}

LoadOutcome readSavedGame(const QString &folder, Board &board)
{
    LoadOutcome outcome;
    outcome.path = findSavedGameFile(folder);
    QString reason;
    switch (probeFile(outcome.path, &reason)) {
    case FileProbe::Missing:
        outcome.status = LoadOutcome::Status::NoSavedGame;
        return outcome;
    case FileProbe::Failed:
        outcome.status = LoadOutcome::Status::Unreadable;
        outcome.reason = reason;
        return outcome;
    case FileProbe::Exists:
        break;
    }

    Profile profile;
    switch (profile.readFile(outcome.path, &reason)) {
    case Profile::ReadResult::Failed:
        outcome.status = LoadOutcome::Status::Unreadable;
        outcome.reason = reason;
        return outcome;
    case Profile::ReadResult::TooLarge:
        outcome.reason = reason;
        break;
    case Profile::ReadResult::Read:
        break;
    }
    outcome.status = LoadOutcome::Status::Loaded;
    outcome.valuesRead = readBoardFromProfile(profile, board);
    return outcome;
}

} // namespace quintrel
