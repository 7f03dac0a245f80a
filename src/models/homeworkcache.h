#ifndef HX_TRELLAN_PLACES_HOMEWORKCACHE_H
#define HX_TRELLAN_PLACES_HOMEWORKCACHE_H

#include <hx/platform/places/placeheader.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QSharedPointer>
#include <QtCore/QStringList>

namespace hx {
namespace trellan {
namespace places {

// The user's home and work places for the whole process, read from the store once and again
// only after a screen that may have moved a tag marks them dirty. UI thread only.
class HXPLACES_EXPORT HomeWorkCache
{
public:
    enum Type { All = 0, Home = 1, Work = 2 };

    HomeWorkCache() = delete;

    static void setDirty(Type type);
    static QSharedPointer<hx::platform::places::PlaceHeader> myHome();
    static QSharedPointer<hx::platform::places::PlaceHeader> myWork();
    static bool hasMyHome();
    static bool hasMyWork();
    // The first place with the tags, fetched when dirty; the old value stays on a store error.
    static QSharedPointer<hx::platform::places::PlaceHeader>
    taggedPlace(const QStringList &tags, bool &dirty, QSharedPointer<hx::platform::places::PlaceHeader> &cached);

private:
    static QSharedPointer<hx::platform::places::PlaceHeader> home;
    static QSharedPointer<hx::platform::places::PlaceHeader> work;
    static bool homeDirty;
    static bool workDirty;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
