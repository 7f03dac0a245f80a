#include "groupedsearch_p.h"

#include <hx/platform/places/searchmanager.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/modelmarker.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;
using hx::platform::places::SearchManager;
using hx::platform::places::SearchResult;

namespace {
const int pageSize = 20;
} // namespace

class SingleSearchAllDataModelPrivate
{
public:
    SingleSearchAllDataModelPrivate(CachedPlaceDataModel *model, bool collapsed)
        : search(model, layout(collapsed), pageSize)
    { }

    static GroupedSearch::Layout layout(bool collapsed)
    {
        return GroupedSearch::mergedListLayout(collapsed, &SingleSearchAllDataModel::createHeader,
                                               &SingleSearchAllDataModel::createFooter);
    }

    GroupedSearch search;
};

SingleSearchAllDataModel::SingleSearchAllDataModel(bool collapsed, QObject *parent)
    : CachedPlaceDataModel(parent), d(new SingleSearchAllDataModelPrivate(this, collapsed))
{
    connect(&d->search.searchManager(), &SearchManager::resultAvailable, this,
            &SingleSearchAllDataModel::onResultAvailable, Qt::QueuedConnection);
}

SingleSearchAllDataModel::~SingleSearchAllDataModel() = default;

void SingleSearchAllDataModel::load(const QString &text, const hx::platform::places::Coordinates &near,
                                    const QList<FilterCategory::Type> &categories, bool includeFavorites)
{
    d->search.load(text, near, categories, includeFavorites);
}

void SingleSearchAllDataModel::onResultAvailable(Error::Type error, SearchResult result, bool done, int id)
{
    d->search.takeReply(error, result, done, id, [this](Error::Type reported) {
        Log::warning() << "hx::trellan::places::SingleSearchAllDataModel::onResultAvailable(): SearchManager error = "
                       << int(reported);
        emit errorEvent(reported);
    });
}

bool SingleSearchAllDataModel::hasMoreItems(const QVariantList &indexPath)
{
    return data(indexPath).value<ModelMarker>().isFooter();
}

QString SingleSearchAllDataModel::createHeader(int group)
{
    switch (group) {
    case 2:
    case 5:
        return QLatin1String(ItemType::HEADER_RECENT);
    case 4:
        return QLatin1String(ItemType::HEADER_FAVORITE);
    case 6:
        return QLatin1String(ItemType::HEADER_CONTACT);
    case 7:
        return QLatin1String(ItemType::HEADER_MYPLACES);
    case 8:
        return QLatin1String(ItemType::HEADER_REMOTEPLACES);
    case 9:
        return QLatin1String(ItemType::HEADER_ADDRESS);
    case 10:
        return QLatin1String(ItemType::HEADER_POI);
    case 11:
        return QLatin1String(ItemType::HEADER_SUGGESTION);
    default:
        return QLatin1String(ItemType::HEADER_NONE);
    }
}

QString SingleSearchAllDataModel::createFooter(int group)
{
    switch (group) {
    case 8:
        return QLatin1String(ItemType::FOOTER_MORE_REMOTEPLACES);
    case 11:
        return QLatin1String(ItemType::FOOTER_MORE_SUGGESTION);
    case 7:
        return QLatin1String(ItemType::FOOTER_MORE_MYPLACES);
    default:
        return QLatin1String(ItemType::FOOTER_MORE_NONE);
    }
}

} // namespace places
} // namespace trellan
} // namespace hx
