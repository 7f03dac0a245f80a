#include <cstring>

#include "decodedrecords_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
// A few screens of a search's stored places.
constexpr int Capacity = 512;
} // namespace

bool DecodedRecords::recall(qint64 id, const char *bytes, int size, Place *place) const
{
    const auto found = m_decoded.constFind(id);
    if (found == m_decoded.cend() || found->bytes.size() != size
        || (size > 0 && std::memcmp(found->bytes.constData(), bytes, size_t(size)) != 0))
        return false;
    *place = found->place;
    return true;
}

void DecodedRecords::remember(qint64 id, const QByteArray &bytes, const Place &place)
{
    if (!m_decoded.contains(id)) {
        if (m_order.size() < Capacity) {
            m_order.append(id);
        } else {
            m_decoded.remove(m_order.at(m_next));
            m_order[m_next] = id;
            m_next = (m_next + 1) % Capacity;
        }
    }
    m_decoded.insert(id, { bytes, place });
}

} // namespace places
} // namespace platform
} // namespace hx
