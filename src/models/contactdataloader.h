#ifndef HX_TRELLAN_PLACES_CONTACTDATALOADER_H
#define HX_TRELLAN_PLACES_CONTACTDATALOADER_H

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/trellan/places/groupdataloader.h>

#include <QtCore/QString>

namespace hx {
namespace trellan {
namespace places {

// Pages the contacts group: the first call starts one search, every later call continues it on
// the same handle.
class HXPLACES_EXPORT ContactDataLoader : public PlacesDataLoader
{
public:
    ContactDataLoader(const QString &text, const hx::platform::places::Coordinates &near, bool includeFavorites);

    QList<CachedPlace> operator()(int start, int count) override;

private:
    GroupDataLoader::GroupQuery m_query;
    QString m_text;
    hx::platform::places::Coordinates m_near;
    hx::platform::places::SearchHandle m_handle;
    bool m_firstCall = true;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
