// The steps of the data generator; each writes its files below the output root and returns false on failure.
#pragma once

#include "../cardset/solver.h"
#include "cards.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace quintrel::datagen {

// The languages the program is translated into besides English, the language of the sources: each
// has its help texts and the words in its pictures.
inline constexpr const char *TranslatedLanguages[] = {"de", "fr", "es"};

// The words the pictures show in one language, from tools/texts/pictures.txt (English) or
// pictures_de.txt, ...: every translation gives every key that the English file gives.
struct PictureWords {
    QString language; // empty for English
    QHash<QString, QString> words;

    QString operator[](const char *key) const { return words.value(QLatin1String(key)); }
    // What a picture's file name takes in this language: "_de" ("title_de.gif"), nothing in English.
    QString fileSuffix() const { return language.isEmpty() ? QString() : QLatin1Char('_') + language; }
};

class Generator {
public:
    Generator(const QString &sourceRoot, const QString &outRoot);

    bool cards();        // data/1010/1.gif, 1@2x.png .. data/1090/4.gif, 4@2x.png
    bool boardRenders(); // docs/solved.png, docs/start.png
    bool sounds();       // data/SOUND/SNIP1.WAV, CLICK.WAV, APPLAUS.WAV
    bool texts();        // data/rules.txt, data/ombrel.txt and their translations (rules_de.txt, ...)
    bool icons();        // data/SOUND/QUINTREL.ICO, @2x.ICO; art/splash.ico, hand.png, each @2x.png; desktop/icons/*
    bool windowArt();    // art/title.gif, banner.gif, helptitle.gif, logo.bmp, each @2x.png too; title_de.gif, ...
    bool example();      // data/SOUND/example.gif, example@2x.png, and example_de.gif, ... in each language

    // Adds to the report how many arrangements of the cards fit on 12, 11 and 10 seams; the check of the
    // generated files has no use for it.
    void countSolutions();

    QString error() const { return m_error; }
    QString report() const { return m_report.join(QLatin1Char('\n')); }

private:
    bool fail(const QString &message);
    QString out(const QString &relative) const;
    // The nine card faces in orientation 1, drawn once for the card pictures and the board renders.
    const std::array<CardPictures, PositionCount> &faces();
    // The pictures' words in English, then in each translation; null, with the error, when a file is
    // missing or does not give the English file's keys.
    const std::vector<PictureWords> *pictureWords();

    QString m_source;
    QString m_out;
    QString m_error;
    QStringList m_report;
    // The game's own cards: the pictures show exactly the edges the game describes in words.
    const cardset::TurnedCards m_cards = cardset::gameCards();
    std::array<CardPictures, PositionCount> m_faces;
    std::vector<PictureWords> m_words;
};

} // namespace quintrel::datagen
