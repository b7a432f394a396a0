// tilewords.cpp: tiles and spin handles in words.
#include "windows/tilewords.h"

namespace quintrel {

QString TileWords::edge(Edge edge)
{
    // Whole phrases: the article and the word order change with the suit in other languages.
    static const char *const upper[] = {QT_TR_NOOP("upper half of a spade"), QT_TR_NOOP("upper half of a heart"),
                                        QT_TR_NOOP("upper half of a diamond"), QT_TR_NOOP("upper half of a club")};
    static const char *const lower[] = {QT_TR_NOOP("lower half of a spade"), QT_TR_NOOP("lower half of a heart"),
                                        QT_TR_NOOP("lower half of a diamond"), QT_TR_NOOP("lower half of a club")};
    return tr((edge.upperHalf ? upper : lower)[static_cast<int>(edge.suit)]);
}

QString TileWords::tile(const Game &game, int position)
{
    const int row = positionRow(position) + 1, column = positionColumn(position) + 1;
    const std::optional<Placement> shown = game.shown(position);
    if (!shown)
        return tr("Row %1, column %2: empty.").arg(row).arg(column);
    // The edges first: they check the placement, so that the orientation below is one of the four.
    QString sides;
    static const char *const sideSentences[] = {QT_TR_NOOP("Top: %1."), QT_TR_NOOP("Right: %1."),
                                                QT_TR_NOOP("Bottom: %1."), QT_TR_NOOP("Left: %1.")};
    for (Side side : Sides)
        sides += u' ' + tr(sideSentences[static_cast<int>(side)]).arg(edge(shownEdge(*shown, side)));
    static const char *const cardSentences[] = {QT_TR_NOOP("Row %1, column %2: card %3, not turned."),
                                                QT_TR_NOOP("Row %1, column %2: card %3, turned once."),
                                                QT_TR_NOOP("Row %1, column %2: card %3, turned twice."),
                                                QT_TR_NOOP("Row %1, column %2: card %3, turned three times.")};
    QString words = tr(cardSentences[shown->orientation - 1]).arg(row).arg(column).arg(shown->card) + sides;
    if (game.isMarked(position))
        words += u' ' + tr("Selected.");
    return words;
}

QString TileWords::spinHandle(const Game &game, int position)
{
    const std::optional<Placement> shown = game.shown(position);
    if (!shown)
        return tr("Turn the card at row %1, column %2")
            .arg(positionRow(position) + 1)
            .arg(positionColumn(position) + 1);
    return tr("Turn card %1").arg(shown->card);
}

} // namespace quintrel
