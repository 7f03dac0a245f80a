#ifndef HX_PLATFORM_PLACES_FILEIDENTITY_P_H
#define HX_PLATFORM_PLACES_FILEIDENTITY_P_H

#include <QtCore/QString>

namespace hx {
namespace platform {
namespace places {

// Which file a path names at one moment: its device and inode, with its size and modification
// time. Readers hold files open across their replacement (a writer renames a new file into
// place), so they compare identities to notice. Invalid when nothing could be read at the path.
class FileIdentity
{
public:
    static FileIdentity of(const QString &path);

    bool isValid() const { return m_valid; }
    // The same file on disk, whatever was written to it since.
    bool isSameFile(const FileIdentity &other) const;
    // The same file, unchanged as far as its size and modification time tell.
    bool operator==(const FileIdentity &other) const;
    bool operator!=(const FileIdentity &other) const { return !(*this == other); }

private:
    bool m_valid = false;
    quint64 m_device = 0;
    quint64 m_inode = 0;
    qint64 m_size = 0;
    qint64 m_modifiedNs = 0;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
