#ifndef HX_TRELLAN_PLACES_GROUPDATALOADER_H
#define HX_TRELLAN_PLACES_GROUPDATALOADER_H

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/trellan/places/filtercategory.h>
#include <hx/trellan/places/placesdataloader.h>

#include <QtCore/QString>

namespace hx {
namespace trellan {
namespace places {

// Pages one result group of the store: every call is a fresh search from its start index.
class HXPLACES_EXPORT GroupDataLoader : public PlacesDataLoader
{
public:
    // The store's group query, favourites included or not.
    typedef QList<CachedPlace> (*GroupQuery)(int group, hx::platform::places::Error::Type &error,
                                             hx::platform::places::SearchHandle &handle, const QString &text,
                                             int offset, int limit, const hx::platform::places::Coordinates &near,
                                             bool show);

    GroupDataLoader(FilterCategory::Type category, const QString &text, const hx::platform::places::Coordinates &near,
                    bool includeFavorites);

    QList<CachedPlace> operator()(int start, int count) override;

    // Runs query from start and re-asks for the missing number while the store says more
    // exists, so a store that answers in short pages still fills count.
    static QList<CachedPlace> fill(GroupQuery query, int group, hx::platform::places::SearchHandle &handle,
                                   const QString &text, const hx::platform::places::Coordinates &near, int start,
                                   int count, hx::platform::places::Error::Type &error);

private:
    GroupQuery m_query;
    int m_group;
    QString m_text;
    hx::platform::places::Coordinates m_near;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
