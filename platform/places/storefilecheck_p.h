#ifndef HX_PLATFORM_PLACES_STOREFILECHECK_P_H
#define HX_PLATFORM_PLACES_STOREFILECHECK_P_H

#include <hx/platform/places/error.h>

#include <QtCore/QString>

#include "fileidentity_p.h"

namespace hx {
namespace platform {
namespace places {

// Whether an existing, non-empty file may be opened as the user's store: a SQLite file marked
// as ours (or an unmarked store of the first version), not from a newer version, and healthy.
// It looks without changing a byte: the header is read as a plain file, and SQLite, when it
// must look inside, reads through a read-only connection whose side files are removed again.
class StoreFileCheck
{
public:
    // A file the process may write is rolled back by SQLite first when a killed writer left a
    // journal: the one change a check makes, and the one that recovers the file.
    enum Verdict { Usable, NotAStore, Damaged, Newer, NeedsRecovery };
    static Error::Type inspect(const QString &path, bool writable, Verdict *verdict = nullptr);

    // A file that passed and is held open by a connection of this process; while any holds it,
    // no other thread checks it again (the file cannot be replaced by another with its inode).
    static void remember(const QString &path, const FileIdentity &identity);
    static void forget(const QString &path, const FileIdentity &identity);

private:
    static bool isRemembered(const QString &path);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
