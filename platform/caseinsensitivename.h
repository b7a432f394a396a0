// caseinsensitivename.h: finding a file whatever the case of its name, as a system that ignores
// case would.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace quintrel {

// Two names equal without regard to ASCII case; every other byte must match exactly.
bool equalIgnoringCase(QByteArrayView a, QByteArrayView b);

// The name of the entry of the open folder that equals name without regard to ASCII case. When
// several do: a regular file (or a link to one) before anything else, then the spellings of
// preferred in their order, then the first other one in byte order. Empty when none does or the
// folder cannot be listed.
QByteArray findNameIgnoringCase(int folder, QByteArrayView name, const QList<QByteArrayView> &preferred);

} // namespace quintrel
