#ifndef HX_PLATFORM_PLACES_DECODEDRECORDS_P_H
#define HX_PLATFORM_PLACES_DECODEDRECORDS_P_H

#include <hx/platform/places/place.h>

#include <QtCore/QByteArray>
#include <QtCore/QHash>
#include <QtCore/QVector>

namespace hx {
namespace platform {
namespace places {

// The places one connection last decoded from stored records, each with the bytes it came from.
// Typing a search asks for the same few places keystroke after keystroke; a record whose bytes
// are unchanged decodes to the same place, so that place is handed back instead.
class DecodedRecords
{
public:
    bool recall(qint64 id, const char *bytes, int size, Place *place) const;
    void remember(qint64 id, const QByteArray &bytes, const Place &place);

private:
    struct Decoded
    {
        QByteArray bytes;
        Place place;
    };

    QHash<qint64, Decoded> m_decoded;
    QVector<qint64> m_order; // oldest first once full, for eviction
    int m_next = 0;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
