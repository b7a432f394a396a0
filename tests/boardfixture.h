// A program folder made for the board's tests: 36 card pictures that tell card and orientation
// apart, the icon and the two move sounds, in a temporary folder that the program is pointed at.
#pragma once

#include "app/platform.h"
#include "game/board.h"
#include "windows/board/boardwindow.h"
#include "windows/board/tiles.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPointer>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace quintrel::testing {

// A picture that only (card, orientation) has: a colour per card, a bar on the side that the
// orientation names. Stored in PNG form under the .gif name; the reader goes by the contents.
inline QImage cardImage(int card, int orientation)
{
    QImage image(TileSize, TileSize, QImage::Format_RGB32);
    const int hue = ((card - 1010) / 10 * 40) % 360;
    image.fill(QColor::fromHsv(hue, 200, 220));
    QPainter painter(&image);
    painter.fillRect(orientation == 1 ? QRect(0, 0, TileSize, 12)
                     : orientation == 2 ? QRect(TileSize - 12, 0, 12, TileSize)
                     : orientation == 3 ? QRect(0, TileSize - 12, TileSize, 12)
                                        : QRect(0, 0, 12, TileSize),
                     Qt::black);
    return image;
}

// A minimal valid PCM WAV image, so that the sounds are real images the player accepts.
inline QByteArray waveImage(int samples, char fill)
{
    QByteArray data(samples * 2, fill);
    QByteArray image;
    auto u32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) image.append(char((v >> (8 * i)) & 0xff)); };
    auto u16 = [&](quint16 v) { image.append(char(v & 0xff)); image.append(char(v >> 8)); };
    image.append("RIFF");
    u32(36 + data.size());
    image.append("WAVEfmt ");
    u32(16); u16(1); u16(1); u32(22050); u32(44100); u16(2); u16(16);
    image.append("data");
    u32(data.size());
    image.append(data);
    return image;
}

class ProgramFolderFixture {
public:
    ProgramFolderFixture()
    {
        QDir root(m_dir.path());
        for (int card = 1010; card <= 1090; card += 10) {
            root.mkdir(QString::number(card));
            for (int orientation = 1; orientation <= 4; ++orientation)
                cardImage(card, orientation).save(picturePath(card, orientation), "PNG");
        }
        root.mkdir(QStringLiteral("SOUND"));
        QImageWriter icon(root.filePath(QStringLiteral("SOUND/QUINTREL.ICO")), "ico");
        QImage iconImage(32, 32, QImage::Format_ARGB32);
        iconImage.fill(Qt::darkBlue);
        icon.write(iconImage);
        writeFile(QStringLiteral("SOUND/SNIP1.WAV"), waveImage(2205, 0x10));
        writeFile(QStringLiteral("SOUND/CLICK.WAV"), waveImage(661, 0x11));
        SetProgramFolder(m_dir.path());
    }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return QDir(m_dir.path()).filePath(name); }
    QString picturePath(int card, int orientation) const
    {
        return filePath(QStringLiteral("%1/%2.gif").arg(card).arg(orientation));
    }
    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    QByteArray readFile(const QString &name) const
    {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

// Whether a tile shows exactly the picture of (card, orientation).
inline bool tileShows(const TileWidget *tile, int card, int orientation)
{
    if (tile->picture().isNull())
        return false;
    return tile->picture().toImage().convertToFormat(QImage::Format_RGB32) == cardImage(card, orientation);
}

// Every tile shows the picture of its own cell.
inline bool tilesMatchCells(const frm_brd &board)
{
    for (int p = 1; p <= PositionCount; ++p) {
        if (!tileShows(board.tile(p), Board[p].card, Board[p].orientation))
            return false;
    }
    return true;
}

inline int markedTiles(const frm_brd &board)
{
    int marked = 0;
    for (int p = 1; p <= PositionCount; ++p)
        marked += board.tile(p)->borderStyle() == 1 ? 1 : 0;
    return marked;
}

// A point of tile p outside its spin handle, in the tile's own coordinates.
inline QPoint tilePoint() { return QPoint(20, 20); }

inline void clickTile(frm_brd &board, int position)
{
    TileWidget *tile = board.tile(position);
    QTest::mouseMove(tile, tilePoint());
    QTest::mouseClick(tile, Qt::LeftButton, {}, tilePoint());
}

// Hovers a spin handle in two steps, the way a player's pointer arrives, then clicks it.
inline void clickHandle(frm_brd &board, int position)
{
    SpinHandle *handle = board.spinHandle(position);
    QWidget *client = handle->parentWidget();
    const QPoint centre = handle->geometry().center();
    QTest::mouseMove(client, centre - QPoint(30, 30));
    QTest::mouseMove(client, centre);
    QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(20, 20));
}

// Watches for modal windows of one kind as they become active, runs `check` on each, closes it
// and counts them.
template <typename Window>
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(std::function<void(Window *)> check = {})
        : m_check(std::move(check))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
            // Acted on once it is active, when it has set itself up for what it shows.
            if (window && window->isVisible() && window->isActiveWindow() && window != m_last) {
                m_last = window;
                ++count;
                if (m_check)
                    m_check(window);
                window->close();
            }
        });
        m_timer.start();
    }
    int count = 0;

private:
    std::function<void(Window *)> m_check;
    QTimer m_timer;
    QPointer<Window> m_last;
};

// Runs `action` after `ms` milliseconds on the event loop, while the caller may be inside a pause.
inline void after(int ms, std::function<void()> action)
{
    QTimer::singleShot(ms, qApp, std::move(action));
}

// What every board test holds: the program folder, the board window and the messages shown,
// caught instead of shown. A test class derives from it and calls begin() and end() around each
// test (or around the whole case).
class BoardSession {
protected:
    std::unique_ptr<ProgramFolderFixture> m_folder;
    std::unique_ptr<frm_brd> m_board;
    QList<ShownMessage> m_messages;

    frm_brd &board() { return *m_board; }

    void begin()
    {
        ResetGameState();
        m_messages.clear();
        SetMessageHook([this](const ShownMessage &message) { m_messages.append(message); });
        m_folder = std::make_unique<ProgramFolderFixture>();
    }

    void end()
    {
        m_board.reset();
        m_folder.reset();
        SetMessageHook({});
    }

    // A new board window with Form_Load done; the caller checks that the load succeeded.
    bool loadBoard()
    {
        m_board = std::make_unique<frm_brd>();
        return m_board->Form_Load();
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const ShownMessage &message : m_messages)
            texts << message.text;
        return texts;
    }
};

} // namespace quintrel::testing
