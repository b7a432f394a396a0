// filereplacement.h: replacing a file in one step, so that a failure or a kill at any moment
// leaves the old file or the new one, never half of each.
#pragma once

#include "platform/folderlock.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace quintrel {

// What a new file takes over from the one it replaces: its permission bits (of which only the read
// and write bits carry over; otherwise the usual ones of a new file, 0666 less the umask), and a
// group of the player's other than the usual one.
struct NewFile {
    std::optional<unsigned> permissions;
    std::optional<unsigned> group;
};

struct ReplaceFailure {
    enum class Stage {
        None,   // replaced
        Create, // the temporary file could not be made
        Group,  // the group could not be given: the player is not a member of it
        Write,  // writing, syncing or renaming failed
    };
    Stage stage = Stage::None;
    int error = 0;
};

// Replaces the file name in the locked folder with bytes.
//
// The bytes go to a temporary file beside it, "<name>.saving-" and eight hex digits, which is
// synced and then renamed over the old file. Any failure removes the temporary file and leaves the
// old file as it was; a write past the process's file-size limit is such a failure, not the end
// of the program. A link under the name is replaced by the new file, never followed, so nothing is
// ever written outside the folder. The new file belongs to the player who saves.
//
// A save that was killed before its rename leaves its temporary file behind; the next save of the
// same name removes such leftovers, and only them, and only while it holds the folder's lock: no
// other save is then between creating its temporary file and renaming it.
ReplaceFailure replaceFile(const FolderLock &folder, const QByteArray &name, QByteArrayView bytes, const NewFile &made);

} // namespace quintrel
