// tst_profile.cpp: the settings-file reader and writer, in memory.
#include "savegame/profile.h"
#include "testsupport.h"

#include <array>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

// A byte string from a literal that may hold NULs.
template <qsizetype N>
QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

} // namespace

class tst_Profile : public QObject {
    Q_OBJECT

private slots:
    void value_data();
    void value();
    void write_data();
    void write();
    void writeRefusesWhatCannotBeReadBack_data();
    void writeRefusesWhatCannotBeReadBack();
    void writesReadBackInAnyOrder();
};

void tst_Profile::value_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray tile = "Tile";
    const QByteArray dir1 = "Dir 1";
    QTest::newRow("crlf") << QByteArray("[Tile]\r\nDir 1=1010\r\nDir 2=1020\r\n") << tile << dir1 << 50
                          << QByteArray("1010");
    QTest::newRow("lf") << QByteArray("[Tile]\nDir 1=1010\nDir 2=1020\n") << tile << QByteArray("Dir 2") << 50
                        << QByteArray("1020");
    QTest::newRow("lone cr") << QByteArray("[Tile]\rDir 1=7\rDir 2=8\r") << tile << QByteArray("Dir 2") << 50
                             << QByteArray("8");
    QTest::newRow("section case") << QByteArray("[tILE]\nDir 1=5\n") << tile << dir1 << 50 << QByteArray("5");
    QTest::newRow("key case") << QByteArray("[Tile]\nDIR 1=5\n") << tile << QByteArray("dir 1") << 50
                              << QByteArray("5");
    QTest::newRow("non-ascii letters are not folded")
        << QByteArray("[Tile]\nD\xc9R=5\n") << tile << QByteArray("d\xe9r") << 50 << QByteArray("NONE");
    QTest::newRow("first section wins") << QByteArray("[Tile]\nDir 1=1\n[Spin]\n[tile]\nDir 1=2\n") << tile << dir1
                                        << 50 << QByteArray("1");
    QTest::newRow("later duplicate section is ignored")
        << QByteArray("[Tile]\nx=1\n[Tile]\nDir 1=2\n") << tile << dir1 << 50 << QByteArray("NONE");
    QTest::newRow("first key wins") << QByteArray("[Tile]\nDir 1=1\ndir 1=2\n") << tile << dir1 << 50
                                    << QByteArray("1");
    QTest::newRow("trimmed names and value")
        << QByteArray("[ \tTile\t ]\n \tDir 1 \t= \t 1010 \t\n") << tile << dir1 << 50 << QByteArray("1010");
    QTest::newRow("inner blanks kept") << QByteArray("[Tile]\nDir 1= a  b \n") << tile << dir1 << 50
                                       << QByteArray("a  b");
    QTest::newRow("value holds '='") << QByteArray("[Tile]\nDir 1=a=b\n") << tile << dir1 << 50 << QByteArray("a=b");
    QTest::newRow("empty value") << QByteArray("[Tile]\nDir 1=\n") << tile << dir1 << 50 << QByteArray("");
    QTest::newRow("missing key") << QByteArray("[Tile]\nDir 2=1\n") << tile << dir1 << 50 << QByteArray("NONE");
    QTest::newRow("missing section") << QByteArray("[Spin]\nDir 1=1\n") << tile << dir1 << 50 << QByteArray("NONE");
    QTest::newRow("key before any section")
        << QByteArray("Dir 1=1\n[Tile]\n") << tile << dir1 << 50 << QByteArray("NONE");
    QTest::newRow("key of the next section")
        << QByteArray("[Tile]\n[Spin]\nDir 1=1\n") << tile << dir1 << 50 << QByteArray("NONE");
    QTest::newRow("comment") << QByteArray("[Tile]\n;Dir 1=1\n  ; Dir 1=3\nDir 1=2\n") << tile << dir1 << 50
                             << QByteArray("2");
    QTest::newRow("blank lines") << QByteArray("\n\n[Tile]\n\n \t\nDir 1=2\n\n") << tile << dir1 << 50
                                 << QByteArray("2");
    QTest::newRow("text after ]") << QByteArray("[Tile] ; cards\nDir 1=4\n") << tile << dir1 << 50 << QByteArray("4");
    QTest::newRow("no final line end") << QByteArray("[Tile]\nDir 1=7") << tile << dir1 << 50 << QByteArray("7");
    QTest::newRow("buffer 50 keeps 49") << QByteArray("[Tile]\nDir 1=" + QByteArray(60, '9') + "\n") << tile << dir1
                                        << 50 << QByteArray(49, '9');
    QTest::newRow("buffer cuts the default") << QByteArray() << tile << dir1 << 3 << QByteArray("NO");
    QTest::newRow("buffer 1 holds nothing") << QByteArray("[Tile]\nDir 1=7\n") << tile << dir1 << 1 << QByteArray();
    QTest::newRow("negative buffer") << QByteArray("[Tile]\nDir 1=7\n") << tile << dir1 << -5 << QByteArray();
    QTest::newRow("NUL in value") << bytes("[Tile]\nDir 1=1\0002\n") << tile << dir1 << 50 << bytes("1\0002");
    QTest::newRow("UTF-8 byte-order mark before the header")
        << QByteArray("\xEF\xBB\xBF[Tile]\r\nDir 1=1\r\n") << tile << dir1 << 50 << QByteArray("1");
    QTest::newRow("binary before the header")
        << QByteArray("\xff\xfe[Tile]\nDir 1=1\n") << tile << dir1 << 50 << QByteArray("NONE");
    QTest::newRow("binary lines around") << QByteArray("\x01\x80\xff\n[Tile]\n\x7f\x90=\x02\nDir 1=6\n\xfe\xfd") << tile
                                         << dir1 << 50 << QByteArray("6");
    QTest::newRow("missing ]") << QByteArray("[Tile\nDir 1=1\n") << tile << dir1 << 50 << QByteArray("NONE");
    QTest::newRow("missing ] ends the section above")
        << QByteArray("[Tile]\nDir 1=1\n[Spin\nDir 2=2\n") << tile << QByteArray("Dir 2") << 50 << QByteArray("NONE");
    QTest::newRow("missing [") << QByteArray("Tile]\nDir 1=1\n") << tile << dir1 << 50 << QByteArray("NONE");
    QTest::newRow("missing =") << QByteArray("[Tile]\nDir 1 1010\n") << tile << dir1 << 50 << QByteArray("NONE");
    QTest::newRow("megabyte value") << QByteArray("[Tile]\nDir 1=" + QByteArray(1 << 20, '5')) << tile << dir1 << 50
                                    << QByteArray(49, '5');
}

void tst_Profile::value()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(int, bufferSize);
    QFETCH(QByteArray, expected);

    const Profile profile(file);
    QCOMPARE(profile.value(section, key, "NONE", bufferSize), expected);
    // The one-pass reader of several keys finds the same, uncut.
    const QByteArrayView found = sectionValues(file, section, {"x", key}).value(1).value_or("NONE");
    QCOMPARE(found.first(qBound(qsizetype(0), qsizetype(bufferSize - 1), found.size())).toByteArray(), expected);
}

void tst_Profile::write_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("replace in place, crlf")
        << QByteArray("[Tile]\r\nDir 1=1010\r\nDir 2=1020\r\n") << QByteArray("Tile") << QByteArray("Dir 1")
        << QByteArray("1030") << QByteArray("[Tile]\r\nDir 1=1030\r\nDir 2=1020\r\n");
    QTest::newRow("replace keeps the line up to '='")
        << QByteArray("[tile]\n  dir 1 = 1010  \n") << QByteArray("Tile") << QByteArray("Dir 1") << QByteArray("5")
        << QByteArray("[tile]\n  dir 1 =5\n");
    QTest::newRow("replace the first of two keys")
        << QByteArray("[Tile]\nDir 1=1\nDir 1=2\n") << QByteArray("Tile") << QByteArray("Dir 1") << QByteArray("9")
        << QByteArray("[Tile]\nDir 1=9\nDir 1=2\n");
    QTest::newRow("replace in the last line without line end")
        << QByteArray("[Tile]\nDir 1=1") << QByteArray("Tile") << QByteArray("Dir 1") << QByteArray("22")
        << QByteArray("[Tile]\nDir 1=22");
    QTest::newRow("key goes after the section's last key")
        << QByteArray("[Tile]\nDir 1=1\n\n; spin next\n[Spin]\nTile 1=1\n") << QByteArray("Tile") << QByteArray("Dir 2")
        << QByteArray("2") << QByteArray("[Tile]\nDir 1=1\nDir 2=2\n\n; spin next\n[Spin]\nTile 1=1\n");
    QTest::newRow("key goes below the header of an empty section")
        << QByteArray("[Tile]\r\n\r\n[Spin]\r\n") << QByteArray("Tile") << QByteArray("Dir 1") << QByteArray("1")
        << QByteArray("[Tile]\r\nDir 1=1\r\n\r\n[Spin]\r\n");
    QTest::newRow("key goes into the first of two sections")
        << QByteArray("[Tile]\na=1\n[Tile]\nb=2\n") << QByteArray("Tile") << QByteArray("b") << QByteArray("3")
        << QByteArray("[Tile]\na=1\nb=3\n[Tile]\nb=2\n");
    QTest::newRow("key after a last line without line end")
        << QByteArray("[Tile]\nDir 1=1") << QByteArray("Tile") << QByteArray("Dir 2") << QByteArray("2")
        << QByteArray("[Tile]\nDir 1=1\nDir 2=2\n");
    QTest::newRow("key after a header without line end")
        << QByteArray("[Tile]") << QByteArray("Tile") << QByteArray("Dir 1") << QByteArray("1")
        << QByteArray("[Tile]\r\nDir 1=1\r\n");
    QTest::newRow("section goes at the end")
        << QByteArray("[Tile]\nDir 1=1\n") << QByteArray("Spin") << QByteArray("Tile 1") << QByteArray("1")
        << QByteArray("[Tile]\nDir 1=1\n[Spin]\nTile 1=1\n");
    QTest::newRow("section after a comment, crlf")
        << QByteArray("; saved game\r\n") << QByteArray("Spin") << QByteArray("Tile 1") << QByteArray("1")
        << QByteArray("; saved game\r\n[Spin]\r\nTile 1=1\r\n");
    QTest::newRow("section after a last line without line end")
        << QByteArray("[Tile]\nDir 1=1") << QByteArray("Spin") << QByteArray("Tile 1") << QByteArray("1")
        << QByteArray("[Tile]\nDir 1=1\n[Spin]\nTile 1=1\n");
    QTest::newRow("empty file gets crlf") << QByteArray() << QByteArray("Spin") << QByteArray("Tile 1")
                                          << QByteArray("1") << QByteArray("[Spin]\r\nTile 1=1\r\n");
    QTest::newRow("lone cr file") << QByteArray("[Tile]\rDir 1=1\r") << QByteArray("Tile") << QByteArray("Dir 2")
                                  << QByteArray("2") << QByteArray("[Tile]\rDir 1=1\rDir 2=2\r");
    QTest::newRow("mixed line ends: the first one counts")
        << QByteArray("; a\r\n; b\n") << QByteArray("Spin") << QByteArray("Tile 1") << QByteArray("1")
        << QByteArray("; a\r\n; b\n[Spin]\r\nTile 1=1\r\n");
    QTest::newRow("garbage lines kept byte for byte")
        << bytes("\0\xff\n[Tile]\nDir 1=1\n\0junk\n") << QByteArray("Tile") << QByteArray("Dir 1") << QByteArray("2")
        << bytes("\0\xff\n[Tile]\nDir 1=2\n\0junk\n");
    QTest::newRow("the first section behind a byte-order mark is found")
        << QByteArray("\xEF\xBB\xBF[Tile]\r\nDir 1=1\r\n") << QByteArray("Tile") << QByteArray("Dir 2")
        << QByteArray("2") << QByteArray("\xEF\xBB\xBF[Tile]\r\nDir 1=1\r\nDir 2=2\r\n");
    QTest::newRow("a byte-order mark alone is an empty file")
        << QByteArray("\xEF\xBB\xBF") << QByteArray("Spin") << QByteArray("Tile 1") << QByteArray("1")
        << QByteArray("\xEF\xBB\xBF[Spin]\r\nTile 1=1\r\n");
    QTest::newRow("a damaged header gets a proper section after it")
        << QByteArray("[Tile\nDir 1=1\n") << QByteArray("Tile") << QByteArray("Dir 1") << QByteArray("5")
        << QByteArray("[Tile\nDir 1=1\n[Tile]\nDir 1=5\n");
}

void tst_Profile::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, after);

    Profile profile(before);
    QVERIFY(profile.write(section, key, value));
    QCOMPARE(profile.bytes(), after);
    QCOMPARE(profile.value(section, key, "NONE", 1000), value);
}

void tst_Profile::writeRefusesWhatCannotBeReadBack_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("empty section") << QByteArray() << QByteArray("k") << QByteArray("1");
    QTest::newRow("] in section") << QByteArray("a]b") << QByteArray("k") << QByteArray("1");
    QTest::newRow("blank around section") << QByteArray(" Tile") << QByteArray("k") << QByteArray("1");
    QTest::newRow("line break in section") << QByteArray("Ti\nle") << QByteArray("k") << QByteArray("1");
    QTest::newRow("= in key") << QByteArray("Tile") << QByteArray("a=b") << QByteArray("1");
    QTest::newRow("key like a header") << QByteArray("Tile") << QByteArray("[k") << QByteArray("1");
    QTest::newRow("key like a comment") << QByteArray("Tile") << QByteArray(";k") << QByteArray("1");
    QTest::newRow("tab around key") << QByteArray("Tile") << QByteArray("k\t") << QByteArray("1");
    QTest::newRow("line break in key") << QByteArray("Tile") << QByteArray("k\r") << QByteArray("1");
    QTest::newRow("blank around value") << QByteArray("Tile") << QByteArray("k") << QByteArray(" 1");
    QTest::newRow("line break in value") << QByteArray("Tile") << QByteArray("k") << QByteArray("1\n[Spin]");
}

void tst_Profile::writeRefusesWhatCannotBeReadBack()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);

    const QByteArray before = "[Tile]\nk=0\n";
    Profile profile(before);
    QVERIFY(!profile.write(section, key, value));
    QCOMPARE(profile.bytes(), before);
}

void tst_Profile::writesReadBackInAnyOrder()
{
    // Writes that add keys and sections must not move or hide keys written before them.
    Profile profile(QByteArray("; kept\n[Spin]\n\n[Other]\nx=1\n"));
    const QList<std::array<QByteArray, 3>> writes = {
        {"Tile", "Dir 2", "1020"}, {"Spin", "Tile 1", "3"}, {"Tile", "Dir 1", "1010"},
        {"spin", "tile 2", "4"},   {"Tile", "Dir 2", "-7"}, {"Other", "y", "2"},
    };
    for (const auto &w : writes)
        QVERIFY(profile.write(w[0], w[1], w[2]));
    QCOMPARE(profile.value("Tile", "Dir 2", "NONE", 50), QByteArray("-7"));
    QCOMPARE(profile.value("Spin", "Tile 1", "NONE", 50), QByteArray("3"));
    QCOMPARE(profile.value("Tile", "Dir 1", "NONE", 50), QByteArray("1010"));
    QCOMPARE(profile.value("Spin", "Tile 2", "NONE", 50), QByteArray("4"));
    QCOMPARE(profile.value("Other", "x", "NONE", 50), QByteArray("1"));
    QCOMPARE(profile.bytes(), QByteArray("; kept\n[Spin]\nTile 1=3\ntile 2=4\n\n[Other]\nx=1\ny=2\n"
                                         "[Tile]\nDir 2=-7\nDir 1=1010\n"));
}

QTEST_GUILESS_MAIN(tst_Profile)
#include "tst_profile.moc"
