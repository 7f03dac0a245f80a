#include <QtCore/QStringList>

#include <cstring>

#include "nametier_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
bool startsWith(const char *text, int size, const QByteArray &prefix)
{
    return size >= prefix.size() && std::memcmp(text, prefix.constData(), size_t(prefix.size())) == 0;
}
} // namespace

NameTier::NameTier(const QString &key) : m_key(key.toUtf8())
{
    // Folded keys are valid UTF-8, so a byte prefix is a prefix of whole characters.
    for (const QString &word : key.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        m_words.append(word.toUtf8());
}

int NameTier::of(const char *name, int size) const
{
    if (!name)
        size = 0;
    if (size == m_key.size() && startsWith(name, size, m_key))
        return 0;
    if (startsWith(name, size, m_key))
        return 1;
    for (const QByteArray &word : m_words) {
        bool found = false;
        for (int start = 0; start < size && !found;) {
            const char *space = static_cast<const char *>(std::memchr(name + start, ' ', size_t(size - start)));
            const int end = space ? int(space - name) : size;
            found = startsWith(name + start, end - start, word);
            start = end + 1;
        }
        if (!found)
            return 3;
    }
    return 2;
}

} // namespace places
} // namespace platform
} // namespace hx
