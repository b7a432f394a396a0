// windowtestsupport.h: what the window tests share: a program folder of stand-in data, caught
// messages, and closing modal windows as they open.
#pragma once

#include "platform/desktop.h"
#include "platform/gamefolders.h"
#include "testsupport.h"

#include <QApplication>
#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace quintrel::testing {

// ---- stand-in data ------------------------------------------------------------------------------

// A picture that only (card, orientation) has: a colour per card, a bar on the side that the
// orientation names. Stored in PNG form under the .gif name; the reader goes by the contents.
inline QImage cardImage(int card, int orientation)
{
    static QHash<int, QImage> drawn;
    QImage &image = drawn[card * 10 + orientation];
    if (!image.isNull())
        return image;
    constexpr int Size = 172;
    image = QImage(Size, Size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(((card - 1010) / 10 * 40) % 360, 200, 220));
    QPainter(&image).fillRect(orientation == 1   ? QRect(0, 0, Size, 12)
                              : orientation == 2 ? QRect(Size - 12, 0, 12, Size)
                              : orientation == 3 ? QRect(0, Size - 12, Size, 12)
                                                 : QRect(0, 0, 12, Size),
                              Qt::black);
    return image;
}

// A temporary program folder with 36 card pictures that tell card and orientation apart, the icon
// and the two move sounds; the program is pointed at it while it lives.
class ProgramFolder {
public:
    ProgramFolder()
    {
        QDir root(m_dir.path());
        for (int card = FirstCard; card <= LastCard; card += 10) {
            root.mkdir(QString::number(card));
            for (int orientation = 1; orientation <= 4; ++orientation)
                writeFile(picturePath(card, orientation), encodedCard(card, orientation));
        }
        root.mkdir(QStringLiteral("SOUND"));
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::darkBlue);
        QImageWriter(filePath(QStringLiteral("SOUND/QUINTREL.ICO")), "ico").write(icon);
        write(QStringLiteral("SOUND/SNIP1.WAV"), waveImage(2205, 0x10));
        write(QStringLiteral("SOUND/CLICK.WAV"), waveImage(661, 0x11));
        setGameFolders(QFile::encodeName(m_dir.path()), QFile::encodeName(m_dir.path()));
    }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return QDir(m_dir.path()).filePath(name); }
    QString picturePath(int card, int orientation) const
    {
        return filePath(QStringLiteral("%1/%2.gif").arg(card).arg(orientation));
    }
    bool write(const QString &name, const QByteArray &bytes) const { return writeFile(filePath(name), bytes); }
    QByteArray read(const QString &name) const { return readFile(filePath(name)); }

private:
    // Encoded once per test program: most tests make a folder of their own.
    static QByteArray encodedCard(int card, int orientation)
    {
        static QHash<int, QByteArray> encoded;
        QByteArray &bytes = encoded[card * 10 + orientation];
        if (bytes.isEmpty()) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            cardImage(card, orientation).save(&buffer, "PNG");
        }
        return bytes;
    }

    QTemporaryDir m_dir;
};

// ---- messages and modal windows -----------------------------------------------------------------

// Catches the messages the program shows instead of opening message boxes, while it lives.
class CaughtMessages {
public:
    CaughtMessages()
    {
        setMessageHook([this](const ShownMessage &message) { messages.append(message); });
    }
    ~CaughtMessages() { setMessageHook({}); }
    CaughtMessages(const CaughtMessages &) = delete;
    CaughtMessages &operator=(const CaughtMessages &) = delete;

    QStringList texts() const
    {
        QStringList all;
        for (const ShownMessage &message : messages)
            all << message.text;
        return all;
    }
    bool isEmpty() const { return messages.isEmpty(); }
    void clear() { messages.clear(); }

    QList<ShownMessage> messages;
};

// Watches for modal windows of one kind as they become active, runs `check` on each, closes it
// and counts them.
template <typename Window>
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(std::function<void(Window *)> check = {})
        : m_check(std::move(check))
    {
        m_timer.setInterval(5);
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
    QTimer::singleShot(ms, QCoreApplication::instance(), std::move(action));
}

} // namespace quintrel::testing
