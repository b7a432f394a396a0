// The steps of the data generator; each writes its files below the output root and returns false on failure.
#pragma once

#include "../cardset/solver.h"

#include <QString>
#include <QStringList>

namespace quintrel::datagen {

class Generator {
public:
    Generator(const QString &sourceRoot, const QString &outRoot);

    bool cards();        // data/1010/1.gif .. data/1090/4.gif
    bool boardRenders(); // docs/solved.png, docs/start.png
    bool sounds();       // data/SOUND/SNIP1.WAV, CLICK.WAV, APPLAUS.WAV
    bool texts();        // data/rules.txt, data/ombrel.txt and their translations (rules_de.txt, ...)
    bool icons();        // data/SOUND/QUINTREL.ICO, art/splash.ico, art/hand.png, desktop/icons/*
    bool windowArt();    // art/title.gif, banner.gif, helptitle.gif, logo.bmp
    bool example();      // data/SOUND/example.gif

    QString error() const { return m_error; }
    QString report() const { return m_report.join(QLatin1Char('\n')); }

private:
    bool fail(const QString &message);
    bool loadEdges();
    QString out(const QString &relative) const;

    QString m_source;
    QString m_out;
    QString m_error;
    QStringList m_report;
    bool m_edgesLoaded = false;
    std::array<cardset::CardEdges, cardset::CardCount> m_edges{};
};

// The stored first solution (by board position: card index 0..8 for 1010..1090, orientation).
const cardset::Arrangement &storedSolution();

} // namespace quintrel::datagen
