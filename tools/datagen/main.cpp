// quintrel_datagen: draws and synthesizes every data file beside the program, the windows' pictures and the
// board renders and the desktop icons. "quintrel_datagen <root>" writes into <root>/data, <root>/art,
// <root>/docs and <root>/desktop/icons;
// "quintrel_datagen --verify <root>" builds everything in a scratch folder and compares it with <root>.
#include "generators.h"
#include "imaging.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace quintrel::datagen;

namespace {

int generateInto(const QString &sourceRoot, const QString &outRoot, bool quiet)
{
    Generator gen(sourceRoot, outRoot);
    const bool ok = gen.cards() && gen.boardRenders() && gen.sounds() && gen.texts() && gen.icons() && gen.windowArt()
                    && gen.example();
    if (!ok) {
        std::fprintf(stderr, "quintrel_datagen: %s\n", qPrintable(gen.error()));
        return 1;
    }
    if (quiet)
        return 0;
    gen.countSolutions();
    std::printf("%s\n", qPrintable(gen.report()));
    return 0;
}

int verify(const QString &root)
{
    QTemporaryDir scratch;
    if (!scratch.isValid() || generateInto(root, scratch.path(), true) != 0)
        return 1;
    int differences = 0;
    QDirIterator it(scratch.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString made = it.next();
        const QString relative = QDir(scratch.path()).relativeFilePath(made);
        QFile fresh(made), committed(root + QLatin1Char('/') + relative);
        if (!fresh.open(QIODevice::ReadOnly) || !committed.open(QIODevice::ReadOnly)) {
            std::printf("missing: %s\n", qPrintable(relative));
            ++differences;
        } else if (fresh.readAll() != committed.readAll()) {
            std::printf("differs: %s\n", qPrintable(relative));
            ++differences;
        }
    }
    std::printf("%d generated file(s) out of date\n", differences);
    return differences == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (!loadFonts()) {
        std::fprintf(stderr, "quintrel_datagen: the DejaVu fonts are missing (package fonts-dejavu-core)\n");
        return 1;
    }
    if (args.size() == 2 && args[0] == QLatin1String("--verify"))
        return verify(QDir(args[1]).absolutePath());
    if (args.size() == 1)
        return generateInto(QDir(args[0]).absolutePath(), QDir(args[0]).absolutePath(), false);
    std::fprintf(stderr, "usage: quintrel_datagen <source root> | --verify <source root>\n");
    return 2;
}
