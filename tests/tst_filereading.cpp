// tst_filereading.cpp: the readers of the data files: block edges and blank trimming of the move
// sounds, what a missing file gives and leaves behind, and everything no reader may take for a
// data file: a pipe, a device, a folder, a file beyond its cap, a picture of too many pixels.
#include "childprocess.h"
#include "platform/filereading.h"
#include "platform/gamefolders.h"
#include "testsupport.h"

#include <QBuffer>
#include <QDataStream>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__has_feature)
#define QUINTREL_HAS_ASAN __has_feature(address_sanitizer)
#else
#define QUINTREL_HAS_ASAN 0
#endif

using namespace quintrel;
using namespace quintrel::testing;

namespace {

// Bytes of a given length that neither begin nor end with a blank.
QByteArray filler(int length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

// A GIF whose header promises width x height pixels around a single pixel: a few dozen bytes that
// would decode into four bytes for every pixel promised.
QByteArray gifOfSize(int width, int height)
{
    QByteArray gif = "GIF89a";
    auto u16 = [&gif](int v) { gif.append(char(v & 0xFF)).append(char(v >> 8)); };
    u16(width);
    u16(height);
    gif += QByteArray("\x80\x00\x00\x00\x00\x00\xFF\xFF\xFF", 9); // two colours
    gif += ',';
    u16(0), u16(0), u16(1), u16(1);
    return gif + QByteArray("\x00\x02\x02\x44\x01\x00;", 7);
}

// Every reader, with its cap and whether it refused the file at path.
struct Reader {
    const char *name;
    qsizetype cap;
    std::function<bool(const QByteArray &)> refuses;
};
const QList<Reader> &readers()
{
    static const QList<Reader> all = {
        {"sound", SoundCap, [](const QByteArray &path) { return readSoundImage(path).isEmpty(); }},
        {"document", DocumentCap, [](const QByteArray &path) { return !readWholeFile(path); }},
        {"card picture", CardPictureCap.bytes,
         [](const QByteArray &path) {
             QString reason;
             return readPicture(path, CardPictureCap, &reason).isNull() && !reason.isEmpty();
         }},
        {"icon", IconCap.bytes,
         [](const QByteArray &path) {
             QString reason;
             return readIcon(path, &reason).isNull() && !reason.isEmpty();
         }},
    };
    return all;
}

} // namespace

class tst_FileReading : public QObject {
    Q_OBJECT

private slots:
    // A reader that blocks on a pipe fails here rather than at the suite's time-out.
    void init() { ::alarm(30); }
    void cleanup()
    {
        ::alarm(0);
        setGameFolders({}, {}, true);
    }

    void readsWholeFiles_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("read");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("1024 bytes") << filler(1024) << filler(1024);
        QTest::newRow("1025 bytes") << filler(1025) << filler(1025);
        QTest::newRow("2048 bytes") << filler(2048) << filler(2048);
        QTest::newRow("blanks at both ends go") << QByteArray("   a b  c    ") << QByteArray("a b  c");
        QTest::newRow("blanks past a block edge go")
            << (QByteArray(1030, ' ') + "x" + QByteArray(1500, ' ')) << QByteArray("x");
        QTest::newRow("only blanks") << QByteArray(3000, ' ') << QByteArray();
        QTest::newRow("tabs, line ends and NULs stay")
            << QByteArray("\t\r\n\0x\0\n", 7) << QByteArray("\t\r\n\0x\0\n", 7);
    }
    void readsWholeFiles()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file.bin"));
        QVERIFY(writeFile(path, stored));
        QCOMPARE(readSoundImage(bytesOf(path)), read);
        // The file itself is left as it was.
        QCOMPARE(readFile(path), stored);
    }

    // A missing document is left behind empty, for whoever looks after the folder to fill in; but
    // never in an installed copy's shared data, and never through a link. A missing sound is
    // silence and leaves nothing behind.
    void missingFile_data()
    {
        QTest::addColumn<bool>("ownFolder");
        QTest::addColumn<bool>("danglingLink");
        QTest::addColumn<bool>("created");
        QTest::newRow("own folder") << true << false << true;
        QTest::newRow("shared data folder") << false << false << false;
        QTest::newRow("a link that leads nowhere") << true << true << false;
    }
    void missingFile()
    {
        QFETCH(bool, ownFolder);
        QFETCH(bool, danglingLink);
        QFETCH(bool, created);
        QTemporaryDir dir, elsewhere;
        setGameFolders(bytesOf(dir.path()), bytesOf(dir.path()), ownFolder);
        for (const QString &name : {QStringLiteral("SNIP1.WAV"), QStringLiteral("rules.txt")}) {
            const QString path = dir.filePath(name);
            if (danglingLink)
                QVERIFY(QFile::link(elsewhere.filePath(name), path));
            const bool sound = name.endsWith(QLatin1String(".WAV"));
            if (sound)
                QVERIFY(readSoundImage(bytesOf(path)).isEmpty());
            else
                QCOMPARE(readWholeFile(bytesOf(path)).has_value(), created);
            QCOMPARE(QFileInfo(path).isFile(), created && !sound);
            QCOMPARE(QFileInfo(path).size(), 0);
            QCOMPARE(folderEntries(elsewhere.path()), QStringList());
        }
    }

    void readOnlyFileIsStillRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CLICK.WAV"));
        QVERIFY(writeFile(path, "RIFF"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        QCOMPARE(readSoundImage(bytesOf(path)), QByteArray("RIFF"));
    }

    // Each reader returns at once with nothing, and creates nothing, whatever lies under the name.
    void refusesWhatIsNoDataFile_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind :
             {"a pipe", "a link to /dev/zero", "a folder", "one byte beyond the cap", "a missing folder"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void refusesWhatIsNoDataFile()
    {
        QFETCH(QString, kind);
        for (const Reader &reader : readers()) {
            QTemporaryDir dir;
            QString path = dir.filePath(QStringLiteral("data"));
            if (kind == QLatin1String("a pipe"))
                QCOMPARE(::mkfifo(bytesOf(path).constData(), 0600), 0);
            else if (kind == QLatin1String("a link to /dev/zero"))
                QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
            else if (kind == QLatin1String("a folder"))
                QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("data")));
            else if (kind == QLatin1String("one byte beyond the cap"))
                QVERIFY(writeFile(path, {}) && QFile(path).resize(reader.cap + 1)); // sparse: no disk used
            else
                path = dir.filePath(QStringLiteral("missing/data"));
            const QStringList before = folderEntries(dir.path());
            QVERIFY2(reader.refuses(bytesOf(path)), reader.name);
            QCOMPARE(folderEntries(dir.path()), before);
        }
    }

    void capsAreInclusive()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file"));
        QVERIFY(writeFile(path, filler(10)));
        QCOMPARE(readRegularFile(bytesOf(path), 10).bytes, filler(10));
        const FileContents beyond = readRegularFile(bytesOf(path), 9);
        QCOMPARE(beyond.status, FileStatus::TooLarge);
        QVERIFY(beyond.bytes.isEmpty());
    }

    // A picture's size is read from its header and checked before a single pixel is decoded.
    void picturesBeyondTheirCapAreNotDecoded_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("read");
        QTest::newRow("5500 x 5500 in a few bytes") << gifOfSize(5500, 5500) << false;
        QTest::newRow("1025 pixels wide") << gifOfSize(1025, 1) << false;
        QTest::newRow("1024 x 1024") << gifOfSize(1024, 1024) << true;
    }
    void picturesBeyondTheirCapAreNotDecoded()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("1.gif"));
        QVERIFY(writeFile(path, file));
        QString reason;
        const QImage picture = readPicture(bytesOf(path), CardPictureCap, &reason);
        QCOMPARE(!picture.isNull(), read);
        QVERIFY2(read || reason.contains(QLatin1String("pixels")), qPrintable(reason));
    }

    // The sizes of one icon share its cap's pixels: a small file that lists many large sizes, each
    // within the cap, gives the sizes that fit together and no more.
    void iconSizesShareTheCap()
    {
        // An icon file: its header, a directory entry per size, then each size as a PNG.
        QByteArray icon, pngs;
        QDataStream out(&icon, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out << quint16(0) << quint16(1) << quint16(4);
        for (const int side : {1024, 1000, 900, 800}) {
            QImage image(side, side, QImage::Format_ARGB32);
            image.fill(Qt::red);
            QBuffer png;
            QVERIFY(png.open(QIODevice::WriteOnly) && image.save(&png, "PNG"));
            out << quint32(0) << quint16(1) << quint16(32) << quint32(png.size()) << quint32(6 + 4 * 16 + pngs.size());
            pngs += png.data();
        }
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("QUINTREL.ICO"), icon + pngs));
        QCOMPARE(readIcon(bytesOf(dir.filePath("QUINTREL.ICO"))).availableSizes(), QList<QSize>{QSize(1024, 1024)});
    }

    // With little memory to spare: a picture within its cap that cannot be decoded for want of
    // memory says so, and a GIF whose header claims more than its cap is refused before any of
    // that memory is asked for.
    void memoryFailureIsToldApart_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("outOfMemory");
        QTest::newRow("within the cap, 16 MiB decoded")
            << 2048 << "not enough memory for its 2048 x 2048 pixels" << true;
        QTest::newRow("beyond the cap") << 5500 << "too large: 5500 x 5500 pixels" << false;
    }
    void memoryFailureIsToldApart()
    {
#if defined(__SANITIZE_ADDRESS__) || QUINTREL_HAS_ASAN
        QSKIP("AddressSanitizer reserves more address space than any limit this test could set");
#endif
        QFETCH(int, side);
        QFETCH(QString, reason);
        QFETCH(bool, outOfMemory);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("example.gif"));
        QVERIFY(writeFile(path, gifOfSize(side, side)));
        // The address space is limited to a little more than is in use, and what is left, with
        // whatever the heap holds free, is taken up but for 4 MiB: enough for the reading itself,
        // not for the 16 MiB of a decoded picture of the cap.
        auto read = [&] {
            long pages = 0;
            if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
                if (std::fscanf(statm, "%ld", &pages) != 1)
                    pages = 0;
                std::fclose(statm);
            }
            const rlim_t limit = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + (8 << 20);
            const rlimit little{limit, limit};
            if (pages == 0 || ::setrlimit(RLIMIT_AS, &little) != 0)
                return 2;
            std::vector<void *> taken;
            taken.reserve(1 << 14);
            while (void *block = std::malloc(1 << 20))
                taken.push_back(block);
            for (int i = 0; i < 4 && !taken.empty(); ++i) {
                std::free(taken.back());
                taken.pop_back();
            }
            const PictureReading picture = readPictureFile(bytesOf(path), ExamplePictureCap);
            return picture.image.isNull() && picture.reason == reason && picture.outOfMemory == outOfMemory ? 0 : 1;
        };
        QCOMPARE(inChild(read), 0);
    }
};

QTEST_MAIN(tst_FileReading)
#include "tst_filereading.moc"
