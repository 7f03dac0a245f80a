#include "groupedsearch_p.h"

#include <hx/platform/places/searchmanager.h>
#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/places/combineddatamodel.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/modelmarker.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;
using hx::platform::places::Place;
using hx::platform::places::SearchManager;
using hx::platform::places::SearchResult;

namespace {
const int pageSize = 10;
} // namespace

class CombinedDataModelPrivate
{
public:
    explicit CombinedDataModelPrivate(CachedPlaceDataModel *model) : search(model, layout(), pageSize) { }

    static GroupedSearch::Layout layout()
    {
        GroupedSearch::Layout layout;
        layout.topGroup = 14;
        layout.shown = [](int, int received) { return qMin(received, pageSize); };
        layout.header = &CombinedDataModel::createHeader;
        layout.footer = [](int, int, const SearchResult &) { return QString(); };
        return layout;
    }

    GroupedSearch search;
};

CombinedDataModel::CombinedDataModel(QObject *parent)
    : CachedPlaceDataModel(parent), d(new CombinedDataModelPrivate(this))
{
    qRegisterMetaType<QList<QSharedPointer<Place>>>();
    // The combined list asks for My Places as group 14 when it gives no groups.
    d->search.searchManager().setMyPlacesGroup(14);
    connect(&d->search.searchManager(), &SearchManager::resultAvailable, this, &CombinedDataModel::onResultAvailable,
            Qt::QueuedConnection);
    connect(this, &PlacesDataModel::modelLoadedFinal, this, &CombinedDataModel::onModelLoaded);
}

CombinedDataModel::~CombinedDataModel() = default;

void CombinedDataModel::load(const QString &text, const hx::platform::places::Coordinates &near,
                             const QList<FilterCategory::Type> &categories, bool includeFavorites)
{
    d->search.load(text, near, categories, includeFavorites);
}

void CombinedDataModel::onResultAvailable(Error::Type error, SearchResult result, bool done, int id)
{
    d->search.takeReply(error, result, done, id, [this](Error::Type reported) { emit errorEvent(reported); });
}

void CombinedDataModel::onModelLoaded()
{
    QList<QSharedPointer<Place>> places;
    const int count = rows()->size();
    for (int row = 0; row < count; ++row) {
        const QVariantList path { row };
        const QString type = itemType(path);
        if (type != QLatin1String(ItemType::TYPE_MYPLACES) && type != QLatin1String(ItemType::TYPE_POI)
            && type != QLatin1String(ItemType::TYPE_REMOTEPLACES))
            continue;
        const QSharedPointer<Place> full = fullPlace(path).dynamicCast<Place>();
        if (full)
            places.append(full);
    }
    emit modelLoadedWithPlaces(places);
}

QString CombinedDataModel::createHeader(int group)
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
    case 14:
        return QLatin1String(ItemType::HEADER_MYPLACES);
    case 8:
    case 10:
    case 12:
    case 13:
    case 16:
        return QLatin1String(ItemType::HEADER_POI);
    case 9:
        return QLatin1String(ItemType::HEADER_ADDRESS);
    case 11:
        return QLatin1String(ItemType::HEADER_SUGGESTION);
    default:
        return QLatin1String(ItemType::HEADER_NONE);
    }
}

} // namespace places
} // namespace trellan
} // namespace hx
