// folderfile.h: the one file that a folder keeps under a name, whatever the case it is spelt in:
// read, and replaced in one step under the folder's lock, safely in a folder that other users
// may write too. What the file holds is the caller's; this is the folder work alone.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace quintrel {

// The file's name and how it is found: an entry of the folder that equals `name` without regard
// to ASCII case, a regular file (or a link to one) before anything else, then the spellings of
// `preferred` in their order, then the first other one in byte order; with none, `name` itself,
// which is the name a new file gets.
struct FolderFileName {
    QByteArrayView name;
    QList<QByteArrayView> preferred;
};

// Reading and writing find the file the same way: a link is read through only when every link on
// the way and the file it ends at belong to the player (the effective user), each looked at while
// held open, so that nothing swapped in meanwhile gets past. Any other link is never read
// through: it may have been planted by another user who can write the folder, and could lead to
// any file of the player's. Nothing but a regular file is ever opened, so a FIFO never blocks and
// a device is never touched.

struct FolderFileReading {
    enum class Status {
        Read,
        Missing,  // no file by that name, no folder, or the player's own link that leads nowhere
        TooLarge, // larger than the cap
        Failed,   // problem says what failed and what it is
    };
    Status status = Status::Failed;
    QByteArray path; // the file read, or meant
    QByteArray bytes;
    QString problem; // fit to follow "...: "
};

// The whole file, within cap. It takes no lock: a save replaces the file in one step, so a read
// finds the old file or the new one, never half of each, and nobody can hold a read up.
FolderFileReading readFolderFile(const QByteArray &folder, const FolderFileName &name, qsizetype cap);

// What a save makes of the file it finds: the new contents, or nothing when the file is to be left
// as it is (the caller knows why, and says so). existing: the file's bytes, or nullptr when there
// is nothing to keep (no file, or a link that is not read through, which the new file replaces).
using Rewriter = std::function<std::optional<QByteArray>(const QByteArray *existing)>;

struct FolderFileWriting {
    enum class Status {
        Written,
        TooLarge, // the file there is larger than the cap: it is left as it is
        Failed,
    };
    Status status = Status::Failed;
    QByteArray path;
    QString problem; // empty when the rewrite left the file as it is
    // A file the player could read was there, and it is unchanged.
    bool oldFileUnchanged = false;
};

// Replaces the file with what rewrite makes of it, holding the folder's lock (folderlock.h) from
// before the old file is read until the new one is in place (filereplacement.h). The new file
// keeps the old one's read and write bits, and its group where the group has rights that others
// have not (a file shared by a group of players); a save that cannot keep such a group fails
// rather than lock the others out. Fails, and says why, naming the object and what it is, when
// the folder is missing, locked or may not be written, when the name holds something other than a
// regular file, and when the file may not be read or written: a plain write would fail there too.
FolderFileWriting replaceFolderFile(const QByteArray &folder, const FolderFileName &name, qsizetype cap,
                                    const Rewriter &rewrite);

} // namespace quintrel
