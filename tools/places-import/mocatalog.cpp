#include "mocatalog.h"

#include <QtCore/QByteArray>
#include <QtCore/QFile>
#include <QtCore/QtEndian>

namespace {
constexpr quint32 Magic = 0x950412de;
constexpr int HeaderSize = 28;

// The catalogue is written in the byte order of the machine that made it; the magic number tells.
quint32 word(const QByteArray &data, int offset, bool swapped)
{
    const quint32 value = qFromLittleEndian<quint32>(data.constData() + offset);
    return swapped ? qbswap(value) : value;
}

// The string described at a table entry (length, offset); false when it lies outside the file.
bool stringAt(const QByteArray &data, quint32 entry, bool swapped, QByteArray *text)
{
    if (entry > quint32(data.size()) - 8)
        return false;
    const quint32 length = word(data, int(entry), swapped);
    const quint32 offset = word(data, int(entry + 4), swapped);
    if (offset > quint32(data.size()) || length > quint32(data.size()) - offset)
        return false;
    *text = data.mid(int(offset), int(length));
    return true;
}

QString firstForm(const QByteArray &text)
{
    const int end = text.indexOf('\0');
    return QString::fromUtf8(end < 0 ? text : text.left(end));
}
} // namespace

bool MoCatalog::load(const QString &path)
{
    m_translations.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (data.size() < HeaderSize)
        return false;
    const quint32 magic = qFromLittleEndian<quint32>(data.constData());
    const bool swapped = magic == qbswap(Magic);
    if (magic != Magic && !swapped)
        return false;
    const quint32 count = word(data, 8, swapped);
    const quint32 originals = word(data, 12, swapped);
    const quint32 translations = word(data, 16, swapped);
    for (quint32 i = 0; i < count; ++i) {
        QByteArray original, translation;
        if (!stringAt(data, originals + 8 * i, swapped, &original)
            || !stringAt(data, translations + 8 * i, swapped, &translation))
            return false;
        // A plural's forms follow its first after a NUL; the names here have none, the header
        // (empty original) is no text.
        if (original.isEmpty())
            continue;
        m_translations.insert(firstForm(original), firstForm(translation));
    }
    return true;
}
