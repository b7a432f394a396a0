// filereplacement.h: replacing a file in one step, so that a failure or a kill at any moment
// leaves the old file or the new one, never half of each.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quintrel {

// Replaces the file name in folder (paths as bytes in the file system's encoding) with bytes.
//
// The bytes go to a temporary file beside it, "<name>.saving-" and eight hex digits, which is
// synced and then renamed over the old file. Any failure removes the temporary file and leaves the
// old file as it was; a write past the process's file-size limit is such a failure, not the end
// of the program. The old file's permissions are kept. A link under the name is replaced by the
// new file, never followed, so nothing is ever written outside the folder.
//
// A save that was killed before its rename leaves its temporary file behind; the next save of the
// same name removes such leftovers, and only them. Saves of one folder hold a lock on it while
// they run, so a leftover is never confused with the temporary file of a save still running in
// another instance; a save that cannot have the lock within a second goes on without tidying.
//
// False, with the reason fit to show in *reason, when the file could not be replaced.
bool replaceFile(const QByteArray &folder, const QByteArray &name, QByteArrayView bytes, QString *reason);

} // namespace quintrel
