// testsupport.h: what every test may share without a GUI: files, the board notation, saved-game
// files and WAV images.
#pragma once

#include "game/board.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace quintrel::testing {

// ---- files ------------------------------------------------------------------------------------

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The file's bytes, or "<unreadable>" when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A path as the file system's bytes, the way the game keeps its paths.
inline QByteArray bytesOf(const QString &path) { return QFile::encodeName(path); }

inline QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// ---- the board notation: nine "card:orientation" pairs, positions 1 to 9 ------------------------

inline const QString StartText = QStringLiteral("1010:1 1020:1 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1");
inline const QString Solution1Text = QStringLiteral("1050:3 1090:2 1070:3 1080:4 1010:3 1040:2 1030:3 1060:4 1020:1");

// The cards and orientations of a board written in the notation.
inline Board boardFrom(const QString &text)
{
    Board board;
    const QStringList cells = text.split(u' ', Qt::SkipEmptyParts);
    if (cells.size() != PositionCount)
        qFatal("a board needs nine cells: %s", qPrintable(text));
    for (int p = 1; p <= PositionCount; ++p) {
        const QStringList parts = cells[p - 1].split(u':');
        board[p].card = static_cast<int16_t>(parts.value(0).toInt());
        board[p].orientation = static_cast<int16_t>(parts.value(1).toInt());
    }
    return board;
}

inline QString boardText(const Board &board)
{
    QStringList cells;
    for (int p = 1; p <= PositionCount; ++p)
        cells << QStringLiteral("%1:%2").arg(board[p].card).arg(board[p].orientation);
    return cells.join(u' ');
}

// The saved-game file that a save of this board writes into a new file.
inline QByteArray savedGameFile(const QString &text)
{
    const Board board = boardFrom(text);
    QByteArray file = "[Tile]\r\n";
    for (int p = 1; p <= PositionCount; ++p)
        file += "Dir " + QByteArray::number(p) + '=' + QByteArray::number(board[p].card) + "\r\n";
    file += "[Spin]\r\n";
    for (int p = 1; p <= PositionCount; ++p)
        file += "Tile " + QByteArray::number(p) + '=' + QByteArray::number(board[p].orientation) + "\r\n";
    return file;
}

// ---- sounds ------------------------------------------------------------------------------------

// A minimal valid PCM WAV image (mono, 16 bits, 22050 Hz).
inline QByteArray waveImage(int samples, char fill)
{
    QByteArray data(samples * 2, fill);
    QByteArray image;
    auto u32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i)
            image.append(char((v >> (8 * i)) & 0xff));
    };
    auto u16 = [&](quint16 v) {
        image.append(char(v & 0xff));
        image.append(char(v >> 8));
    };
    image.append("RIFF");
    u32(36 + data.size());
    image.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(22050);
    u32(44100);
    u16(2);
    u16(16);
    image.append("data");
    u32(data.size());
    image.append(data);
    return image;
}

} // namespace quintrel::testing
