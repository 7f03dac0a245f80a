#ifndef HX_PLATFORM_PLACES_SEARCHHANDLE_H
#define HX_PLATFORM_PLACES_SEARCHHANDLE_H

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/sortrule.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace hx {
namespace platform {
namespace places {

// The state of one search: whether results exist beyond those returned, and what
// InternalPlaceManager::findMorePlaces needs to continue it.
class SearchHandle
{
public:
    SearchHandle() = default;

    // True exactly when results exist beyond offset + the number returned by the last call.
    bool hasMoreData() const { return m_hasMoreData; }
    // The index the next page starts at.
    int position() const { return m_position; }
    bool isValid() const { return m_group >= 0; }

    bool operator==(const SearchHandle &other) const
    {
        return m_hasMoreData == other.m_hasMoreData && m_position == other.m_position && m_group == other.m_group
            && m_text == other.m_text && m_nonFavorite == other.m_nonFavorite && m_rule == other.m_rule;
    }

private:
    friend class GroupSearch;
    friend class PlaceManager;
    bool m_hasMoreData = false;
    int m_position = 0;
    int m_group = -1;
    QString m_text;
    Coordinates m_near;
    bool m_nonFavorite = false;
    bool m_merged = false;
    SortRule m_rule;
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::SearchHandle)

#endif
