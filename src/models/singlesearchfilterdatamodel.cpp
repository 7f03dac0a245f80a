#include "singlesearchfilterdatamodel_p.h"

#include <hx/platform/places/internaltags.h>
#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/places/contactdataloader.h>
#include <hx/trellan/places/groupdataloader.h>
#include <hx/trellan/places/groupmapper.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placeutils.h>

#include <QtCore/QMutexLocker>
#include <QtCore/QThreadPool>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::InternalTags;
using hx::platform::places::Place;

namespace {
// Ratings are asked for in bounded batches so that the rating service gets few requests.
const int ratingBatch = 14;
// The plain recents list shows only the most recent few.
const int recentsShown = 10;

std::function<QDateTime()> &timeSource()
{
    static std::function<QDateTime()> source;
    return source;
}
} // namespace

QMutex SingleSearchFilterDataModel::cancelAsync;

// ---- The job ----

SingleSearchFilterDataModel::AsyncLoad::AsyncLoad(int id, SingleSearchFilterDataModel *model,
                                                  FilterCategory::Type category, const QString &text,
                                                  const QString &type, const hx::platform::places::Coordinates &near,
                                                  const Boundaries &boundaries, bool includeFavorites)
    : m_model(model),
      m_text(text),
      m_near(near),
      m_category(category),
      m_type(type),
      m_boundaries(boundaries),
      m_id(id),
      m_includeFavorites(includeFavorites)
{
    // The model keeps a shared handle; the pool must not delete the job under it.
    setAutoDelete(false);
}

void SingleSearchFilterDataModel::AsyncLoad::cancel()
{
    QMutexLocker locker(&m_mutex);
    m_model = nullptr;
    m_id = -1;
}

PlacesDataLoader *
SingleSearchFilterDataModel::AsyncLoad::createDataLoader(FilterCategory::Type category, const QString &text,
                                                         const hx::platform::places::Coordinates &near,
                                                         bool includeFavorites)
{
    if (category == FilterCategory::Contacts)
        return new ContactDataLoader(text, near, includeFavorites);
    return new GroupDataLoader(category, text, near, includeFavorites);
}

bool SingleSearchFilterDataModel::AsyncLoad::isCurrent() const
{
    return m_model && m_id >= 0 && m_model->searchId() == m_id;
}

void SingleSearchFilterDataModel::AsyncLoad::run()
{
    {
        QMutexLocker locker(&m_mutex);
        if (!isCurrent())
            return;
        QMutexLocker modelLocker(&m_model->mutex());
        m_model->d->cache.setDataLoader(createDataLoader(m_category, m_text, m_near, m_includeFavorites));
    }
    Page page;
    const bool shown = populate(&page);
    terminate();
    // After the load is reported: ratings come later anyway and land on their rows as they do.
    if (shown)
        requestRatings(page);
}

bool SingleSearchFilterDataModel::AsyncLoad::cacheSize(int *size, int *first, int *last)
{
    QMutexLocker locker(&m_mutex);
    if (!isCurrent())
        return false;
    QMutexLocker modelLocker(&m_model->mutex());
    *size = m_model->d->cache.size();
    *first = m_model->d->cache.first();
    *last = m_model->d->cache.last();
    return true;
}

bool SingleSearchFilterDataModel::AsyncLoad::get(int index, CachedPlace *place)
{
    QMutexLocker locker(&m_mutex);
    if (!isCurrent())
        return false;
    QMutexLocker modelLocker(&m_model->mutex());
    *place = m_model->d->cache.at(index);
    return true;
}

void SingleSearchFilterDataModel::AsyncLoad::Page::rate(const QList<CachedPlace> &places,
                                                        const QVariantList &rowNumbers)
{
    if (!places.isEmpty())
        ratings.append(qMakePair(places, rowNumbers));
}

bool SingleSearchFilterDataModel::AsyncLoad::show(const Page &page)
{
    {
        QMutexLocker locker(&m_mutex);
        if (!isCurrent())
            return false;
        ArrayDataModel *rows = m_model->rows();
        rows->insertList(rows->size(), page.rows);
        m_rows += page.rows.size();
    }
    return true;
}

void SingleSearchFilterDataModel::AsyncLoad::requestRatings(const Page &page)
{
    for (const auto &batch : page.ratings) {
        if (!requestRatings(batch.first, batch.second))
            return;
    }
}

bool SingleSearchFilterDataModel::AsyncLoad::setHeader(const QString &header)
{
    QMutexLocker locker(&m_mutex);
    if (!isCurrent())
        return false;
    QMutexLocker modelLocker(&m_model->mutex());
    m_model->d->currentHeader = header;
    return true;
}

bool SingleSearchFilterDataModel::AsyncLoad::requestRatings(const QList<CachedPlace> &places, const QVariantList &rows)
{
    if (places.isEmpty())
        return true;
    QMutexLocker locker(&m_mutex);
    if (!isCurrent())
        return false;
    m_model->requestForRating(places, m_id, rows);
    return true;
}

bool SingleSearchFilterDataModel::AsyncLoad::populate(Page *page)
{
    int size = 0;
    int first = 0;
    int last = -1;
    if (!cacheSize(&size, &first, &last))
        return false;
    if (m_category == FilterCategory::RecentGroup5) {
        QString lastHeader;
        if (!layOutRecentGroups(first, last, page, &lastHeader) || !show(*page))
            return false;
        return lastHeader.isEmpty() || setHeader(lastHeader);
    }
    return layOutList(first, last, page) && show(*page);
}

bool SingleSearchFilterDataModel::AsyncLoad::layOutRecentGroups(int first, int last, Page *page, QString *lastHeader)
{
    static const char *const order[]
        = { ItemType::HEADER_TODAY, ItemType::HEADER_WEEK, ItemType::HEADER_MONTH, ItemType::HEADER_EARLIER };
    QList<QPair<int, CachedPlace>> buckets[4];
    for (int index = first; index <= last; ++index) {
        CachedPlace place;
        if (!get(index, &place))
            return false;
        const QString slot = SingleSearchFilterDataModelPrivate::slot(place, m_boundaries);
        for (int b = 0; b < 4; ++b) {
            if (slot == QLatin1String(order[b]))
                buckets[b].append(qMakePair(index, place));
        }
    }
    for (int b = 0; b < 4; ++b) {
        if (buckets[b].isEmpty())
            continue;
        page->add(ModelMarker(QLatin1String(order[b])));
        QList<CachedPlace> rated;
        QVariantList ratedRows;
        for (const auto &entry : qAsConst(buckets[b])) {
            page->add(ModelMarker(entry.first, m_type));
            if (rated.size() < ratingBatch) {
                rated.append(entry.second);
                ratedRows.append(m_rows + page->rows.size() - 1);
            }
        }
        page->rate(rated, ratedRows);
        *lastHeader = QLatin1String(order[b]);
    }
    return true;
}

bool SingleSearchFilterDataModel::AsyncLoad::layOutList(int first, int last, Page *page)
{
    const int end = m_category == FilterCategory::Recents ? qMin(last, first + recentsShown - 1) : last;
    QList<CachedPlace> rated;
    QVariantList ratedRows;
    for (int index = first; index <= end; ++index) {
        CachedPlace place;
        if (!get(index, &place))
            return false;
        const QString type = m_category == FilterCategory::Recents
            ? SingleSearchFilterDataModelPrivate::rowType(place, m_category, m_type)
            : m_type;
        page->add(ModelMarker(index, type));
        rated.append(place);
        ratedRows.append(m_rows + page->rows.size() - 1);
        if (rated.size() == ratingBatch) {
            page->rate(rated, ratedRows);
            rated.clear();
            ratedRows.clear();
        }
    }
    page->rate(rated, ratedRows);
    return true;
}

void SingleSearchFilterDataModel::AsyncLoad::terminate()
{
    QMutexLocker cancelLocker(&SingleSearchFilterDataModel::cancelAsync);
    QMutexLocker locker(&m_mutex);
    if (!isCurrent())
        return;
    // Posted, so that the load signals reach the model's own thread like every other reply.
    QMetaObject::invokeMethod(m_model, "onLoaded", Qt::QueuedConnection, Q_ARG(int, m_id));
}

// ---- The model ----

QString SingleSearchFilterDataModelPrivate::slot(const CachedPlace &place,
                                                 const SingleSearchFilterDataModel::AsyncLoad::Boundaries &bounds)
{
    const QDateTime used = QDateTime::fromSecsSinceEpoch(place ? place->lastUsedTime() : 0, Qt::LocalTime);
    if (used >= bounds.today)
        return QLatin1String(ItemType::HEADER_TODAY);
    if (used >= bounds.week)
        return QLatin1String(ItemType::HEADER_WEEK);
    if (used >= bounds.month)
        return QLatin1String(ItemType::HEADER_MONTH);
    return QLatin1String(ItemType::HEADER_EARLIER);
}

QString SingleSearchFilterDataModelPrivate::rowType(const CachedPlace &place, FilterCategory::Type, const QString &type)
{
    if (SingleSearchFilterDataModel::isRecentSearchTerm(place))
        return QLatin1String(ItemType::TYPE_RECENTSEARCH);
    if (SingleSearchFilterDataModel::isRecentSearchPointOfInterestCategory(place))
        return QLatin1String(ItemType::TYPE_POICATEGORY);
    return type;
}

SingleSearchFilterDataModel::SingleSearchFilterDataModel(QObject *parent)
    : PlacesDataModel(parent), d(new SingleSearchFilterDataModelPrivate)
{ }

SingleSearchFilterDataModel::~SingleSearchFilterDataModel()
{
    QMutexLocker locker(&cancelAsync);
    if (d->asyncLoad)
        d->asyncLoad->cancel();
}

void SingleSearchFilterDataModel::setTimeSource(const std::function<QDateTime()> &source)
{
    timeSource() = source;
}

void SingleSearchFilterDataModel::load(FilterCategory::Type category, const QString &text,
                                       const hx::platform::places::Coordinates &near, bool includeFavorites)
{
    // The previous job is cut off first, so that nothing of it reaches the cleared cache.
    if (d->asyncLoad) {
        QMutexLocker locker(&cancelAsync);
        d->asyncLoad->cancel();
    }
    int id;
    {
        QMutexLocker locker(&mutex());
        d->category = category;
        id = nextSearchId();
    }
    const QDateTime now = timeSource() ? timeSource()() : QDateTime::currentDateTime();
    d->boundaries.today = PlaceUtils::endOfYesterday(now);
    d->boundaries.week = PlaceUtils::endOfLastWeek(now);
    d->boundaries.month = PlaceUtils::endOfLastMonth(now);
    d->type = createType(category);
    d->currentHeader = QLatin1String(ItemType::HEADER_NONE);

    d->asyncLoad.reset(new AsyncLoad(id, this, category, text, d->type, near, d->boundaries, includeFavorites));
    disconnect(&d->cache, &PlacesDataCache::entryAdded, this, &SingleSearchFilterDataModel::onEntryAdded);
    {
        QMutexLocker locker(&mutex());
        d->cache.clear();
        // Until the job has laid out its rows and the model listens to the cache again, an
        // entry reached by scrolling would never become a row: the cache must not grow.
        d->cache.setPaging(false);
    }
    rows()->clear();
    const QSharedPointer<AsyncLoad> job = d->asyncLoad;
    QThreadPool::globalInstance()->start([job] { job->run(); });
}

void SingleSearchFilterDataModel::onLoaded(int id)
{
    const int current = searchId();
    if (id != current) {
        Log::warning() << "hx::trellan::places::SingleSearchFilterDataModel::onLoaded(): synchronization error: "
                          "id/searchId = "
                       << id << "/" << current;
        return;
    }
    connect(&d->cache, &PlacesDataCache::entryAdded, this, &SingleSearchFilterDataModel::onEntryAdded,
            Qt::UniqueConnection);
    {
        QMutexLocker locker(&mutex());
        d->cache.setPaging(true);
    }
    emit modelLoaded();
    emit modelLoadedFinal();
}

void SingleSearchFilterDataModel::onEntryAdded(CachedPlace place, int index)
{
    if (d->deferred) {
        d->deferred->append(qMakePair(place, index));
        return;
    }
    if (d->category == FilterCategory::RecentGroup5) {
        addHeader(place);
        rows()->append(QVariant::fromValue(ModelMarker(index, d->type)));
        return;
    }
    rows()->append(QVariant::fromValue(
        ModelMarker(index, SingleSearchFilterDataModelPrivate::rowType(place, d->category, d->type))));
}

void SingleSearchFilterDataModel::addHeader(const CachedPlace &place)
{
    const QString slot = timeSlot(place);
    if (slot == d->currentHeader)
        return;
    rows()->append(QVariant::fromValue(ModelMarker(slot)));
    d->currentHeader = slot;
}

QString SingleSearchFilterDataModel::timeSlot(const CachedPlace &place) const
{
    return SingleSearchFilterDataModelPrivate::slot(place, d->boundaries);
}

QString SingleSearchFilterDataModel::itemType(const QVariantList &indexPath)
{
    return data(indexPath).value<ModelMarker>().type();
}

CachedPlace SingleSearchFilterDataModel::place(const QVariantList &indexPath)
{
    const int index = data(indexPath).value<ModelMarker>().index();
    if (index < 0)
        return CachedPlace();
    // Under the mutex: the first page may still be filling the cache on the pool thread.
    return d->withCache(this, [this, index] { return d->cache.place(index); });
}

CachedPlace SingleSearchFilterDataModel::fullPlace(const QVariantList &indexPath)
{
    const int index = data(indexPath).value<ModelMarker>().index();
    if (index < 0)
        return CachedPlace();
    return d->withCache(this, [this, index] { return d->cache.fullPlace(index); });
}

void SingleSearchFilterDataModel::refreshItem(const QVariantList &indexPath)
{
    const ModelMarker marker = data(indexPath).value<ModelMarker>();
    if (!ItemType::isUpdatable(marker.type()))
        return;
    const CachedPlace fresh = d->withCache(this, [this, &marker] { return d->cache.refresh(marker.index()); });
    if (fresh)
        emit itemUpdated(indexPath);
}

RatingInfo SingleSearchFilterDataModel::ratingInfo(const QVariantList &indexPath)
{
    return data(indexPath).value<ModelMarker>().ratingInfo();
}

QList<QSharedPointer<const Place>> SingleSearchFilterDataModel::getTopItems(const int &count)
{
    return d->withCache(this, [this, count] {
        QList<QSharedPointer<const Place>> places;
        const int top = qMin(count, d->cache.size());
        for (int index = 0; index < top; ++index) {
            const QSharedPointer<const Place> full = d->cache.fullPlace(index).dynamicCast<const Place>();
            if (full)
                places.append(full);
        }
        return places;
    });
}

QString SingleSearchFilterDataModel::createType(FilterCategory::Type category)
{
    switch (category) {
    case FilterCategory::Favorites:
        return QLatin1String(ItemType::TYPE_FAVORITE);
    case FilterCategory::Recents:
    case FilterCategory::RecentGroup5:
        return QLatin1String(ItemType::TYPE_RECENT);
    case FilterCategory::Contacts:
        return QLatin1String(ItemType::TYPE_CONTACT);
    case FilterCategory::MyPlaces:
    case FilterCategory::MyPlacesGroup14:
        return QLatin1String(ItemType::TYPE_MYPLACES);
    case FilterCategory::RemotePlaces:
        return QLatin1String(ItemType::TYPE_REMOTEPLACES);
    case FilterCategory::Addresses:
        return QLatin1String(ItemType::TYPE_ADDRESS);
    case FilterCategory::Pois:
    case FilterCategory::PoiGroup13:
        return QLatin1String(ItemType::TYPE_POI);
    case FilterCategory::Suggestions:
        return QLatin1String(ItemType::TYPE_SUGGESTION);
    default:
        return QLatin1String(ItemType::TYPE_NONE);
    }
}

bool SingleSearchFilterDataModel::isRecentSearchTerm(const CachedPlace &place)
{
    return dynamic_cast<const Place *>(place.data()) && place->hasTag(QLatin1String(InternalTags::RecentSearchTerm));
}

bool SingleSearchFilterDataModel::isRecentSearchPointOfInterestCategory(const CachedPlace &place)
{
    return dynamic_cast<const Place *>(place.data())
        && place->hasTag(QLatin1String(InternalTags::RecentSearchPointOfInterestCategory));
}

} // namespace places
} // namespace trellan
} // namespace hx
