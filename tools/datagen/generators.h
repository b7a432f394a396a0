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

    // Adds to the report how many arrangements of the cards fit on 12, 11 and 10 seams; the check of the
    // generated files has no use for it.
    void countSolutions();

    QString error() const { return m_error; }
    QString report() const { return m_report.join(QLatin1Char('\n')); }

private:
    bool fail(const QString &message);
    QString out(const QString &relative) const;

    QString m_source;
    QString m_out;
    QString m_error;
    QStringList m_report;
    // The game's own cards: the pictures show exactly the edges the game describes in words.
    const cardset::TurnedCards m_cards = cardset::gameCards();
};

} // namespace quintrel::datagen
