#include <hx/platform/places/sortrule.h>
#include <hx/platform/places/tags.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placemanagerui.h>

#include <memory>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;
using hx::platform::places::PlaceHeader;
using hx::platform::places::SearchHandle;
using hx::platform::places::SortRule;
using hx::platform::places::Tags;

QSharedPointer<PlaceHeader> HomeWorkCache::home;
QSharedPointer<PlaceHeader> HomeWorkCache::work;
bool HomeWorkCache::homeDirty = true;
bool HomeWorkCache::workDirty = true;

void HomeWorkCache::setDirty(Type type)
{
    if (type != Work) {
        home.reset();
        homeDirty = true;
    }
    if (type != Home) {
        work.reset();
        workDirty = true;
    }
}

QSharedPointer<PlaceHeader> HomeWorkCache::myHome()
{
    return taggedPlace(QStringList { QLatin1String(Tags::MyHome) }, homeDirty, home);
}

QSharedPointer<PlaceHeader> HomeWorkCache::myWork()
{
    return taggedPlace(QStringList { QLatin1String(Tags::MyWork) }, workDirty, work);
}

bool HomeWorkCache::hasMyHome()
{
    return !myHome().isNull();
}

bool HomeWorkCache::hasMyWork()
{
    return !myWork().isNull();
}

QSharedPointer<PlaceHeader> HomeWorkCache::taggedPlace(const QStringList &tags, bool &dirty,
                                                       QSharedPointer<PlaceHeader> &cached)
{
    if (!dirty)
        return cached;
    Error::Type error = Error::None;
    SearchHandle handle;
    const SortRule rule = SortRule::createSimpleSortRule(1, 1);
    const QList<PlaceHeader *> found = PlaceManagerUI::findPlacesByTags(tags, error, handle, rule, 0, 1, true);
    if (error != Error::None) {
        qDeleteAll(found);
        Log::warning() << "hx::trellan::places::HomeWorkCache::taggedPlace() error = " << int(error)
                       << ", tags = " << tags.join(QLatin1String(", "));
        return cached;
    }
    cached = found.isEmpty() ? QSharedPointer<PlaceHeader>() : QSharedPointer<PlaceHeader>(found.first());
    for (int i = 1; i < found.size(); ++i)
        delete found.at(i);
    dirty = false;
    return cached;
}

} // namespace places
} // namespace trellan
} // namespace hx
