// keybykeyreader.h: the fuzz targets' oracle for the saved-game reader: the eighteen reads of a
// load made one key at a time through Profile::value, as a settings-file library would make them.
#pragma once

#include "savegame/profile.h"
#include "savegame/savedgame.h"

namespace quintrel::fuzzing {

// Each value that converts goes into the card or orientation of its position; a missing or unusable
// one leaves that field as it was. Returns how many values converted.
inline int readBoardKeyByKey(const Profile &profile, Board &board)
{
    int converted = 0;
    auto read = [&](const char *section, const QByteArray &key, int16_t &field) {
        const QByteArray text = profile.value(section, key, MissingSavedValue, SavedValueBufferSize);
        if (const std::optional<int16_t> number = convertSavedNumber(text)) {
            field = *number;
            ++converted;
        }
    };
    for (int position = 1; position <= PositionCount; ++position) {
        read(CardSection, cardKey(position), board[position].card);
        read(OrientationSection, orientationKey(position), board[position].orientation);
    }
    return converted;
}

} // namespace quintrel::fuzzing
