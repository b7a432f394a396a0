// caseinsensitivename.cpp: a scan of one folder for a name in any case.
#include "platform/caseinsensitivename.h"

#include <algorithm>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintrel {

namespace {

constexpr char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

bool equalIgnoringCase(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

QByteArray findNameIgnoringCase(int folder, QByteArrayView name, const QList<QByteArrayView> &preferred)
{
    struct Candidate {
        bool regularFile;
        qsizetype rank;
        QByteArray name;
    };
    std::vector<Candidate> candidates;
    // The listing reads through a descriptor of its own: closing it leaves the folder open.
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return {};
    }
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArrayView entryName(entry->d_name);
        if (!equalIgnoringCase(entryName, name))
            continue;
        struct stat info {};
        const bool regular = ::fstatat(folder, entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
        const qsizetype rank = std::find(preferred.begin(), preferred.end(), entryName) - preferred.begin();
        candidates.push_back({regular, rank, entryName.toByteArray()});
    }
    ::closedir(dir);
    if (candidates.empty())
        return {};
    const auto best = std::min_element(candidates.begin(), candidates.end(),
                                       [](const Candidate &a, const Candidate &b) {
                                           if (a.regularFile != b.regularFile)
                                               return a.regularFile;
                                           if (a.rank != b.rank)
                                               return a.rank < b.rank;
                                           return a.name < b.name;
                                       });
    return best->name;
}

} // namespace quintrel
