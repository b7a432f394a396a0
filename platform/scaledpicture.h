// scaledpicture.h: pictures for the screen's pixel density. A 1x screen shows the game's own 1x
// pictures and reads nothing else; a screen with more pixels shows the 2x picture that lies beside
// each of them, so that cards and art stay as sharp as the text beside them.
#pragma once

#include "platform/regularfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QPixmap>
#include <QString>

namespace quintrel {

// The 2x picture beside a 1x one: "1010/1.gif" -> "1010/1@2x.png", ":/art/title.gif" ->
// ":/art/title@2x.png". Always PNG: 256 colours would band the gradients at twice the size.
QByteArray doubleSizePath(QByteArrayView path);
// An icon file holds several sizes, so its 2x sizes lie in an icon file of their own:
// "SOUND/QUINTREL.ICO" -> "SOUND/QUINTREL@2x.ICO".
QByteArray doubleSizeIconPath(QByteArrayView path);

// A picture for a window at a device pixel ratio, with that ratio set so that it takes the 1x
// picture's logical size on the screen.
// - At a ratio of 1 or less only the 1x file is read.
// - Above 1 the 2x file is read, within the same cap as the 1x file. At 2 it is shown as it is;
//   between 1 and 2 it is reduced smoothly to the size the ratio gives the logical picture, so that
//   tiles laid on a whole-pixel grid still meet without a seam; above 2 Qt enlarges it.
// - A 2x file that is missing, damaged or not twice the 1x size falls back to the 1x picture.
// A null pixmap, with the reason, when the 1x picture itself cannot be read.
QPixmap readPictureForRatio(const QByteArray &path, const PictureCap &cap, qreal ratio, QString *reason = nullptr);

// The 2x picture beside the 1x picture at path, whose size is single, made ready for the ratio as
// above; a null pixmap at a ratio of 1 or less, and when the 2x file is missing, damaged or not
// twice that size. For a window that reads the 1x picture in a way of its own.
QPixmap readDoubleSizePicture(const QByteArray &path, QSize single, const PictureCap &cap, qreal ratio);

// The same for a picture compiled into the program (":/art/..."), whose 1x size is known.
QPixmap resourcePictureForRatio(const QString &resource, qreal ratio);

} // namespace quintrel
