#include "groupedsearch_p.h"

#include <hx/trellan/places/log.h>
#include <hx/trellan/places/modelmarker.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <hx/trellan/places/widgetdatamodel.h>

#include <QtCore/QDateTime>
#include <QtCore/QMutexLocker>
#include <QtCore/QRandomGenerator>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;
using hx::platform::places::SearchManager;
using hx::platform::places::SearchResult;

namespace {
const int pageSize = 20;
// Leaves room to count up from the start for as long as a widget lives.
const quint32 searchIdMask = 0x3fffffff;
} // namespace

class WidgetDataModelPrivate
{
public:
    WidgetDataModelPrivate(CachedPlaceDataModel *model, bool collapsed) : search(model, layout(collapsed), pageSize) { }

    static GroupedSearch::Layout layout(bool collapsed)
    {
        return GroupedSearch::mergedListLayout(collapsed, &WidgetDataModel::createHeader,
                                               &WidgetDataModel::createFooter);
    }

    GroupedSearch search;
};

WidgetDataModel::WidgetDataModel(bool collapsed, QObject *parent)
    : CachedPlaceDataModel(parent), d(new WidgetDataModelPrivate(this, collapsed))
{
    // The object's address makes two models started in the same second differ.
    const quint64 seed = quint64(quintptr(this)) + quint64(QDateTime::currentSecsSinceEpoch());
    QRandomGenerator generator(quint32(seed ^ (seed >> 32)));
    {
        QMutexLocker locker(&mutex());
        setSearchIdLocked(int(generator.generate() & searchIdMask));
    }
    connect(&d->search.searchManager(), &SearchManager::resultAvailable, this, &WidgetDataModel::onResultAvailable,
            Qt::QueuedConnection);
}

WidgetDataModel::~WidgetDataModel() = default;

void WidgetDataModel::load(const QString &text, const hx::platform::places::Coordinates &near,
                           const QList<FilterCategory::Type> &categories)
{
    d->search.load(text, near, categories, true);
}

void WidgetDataModel::onResultAvailable(Error::Type error, SearchResult result, bool done, int id)
{
    d->search.takeReply(error, result, done, id, [this](Error::Type reported) {
        Log::warning() << "hx::trellan::places::WidgetDataModel::onResultAvailable(): SearchManager error = "
                       << int(reported);
        emit errorEvent(reported);
    });
}

bool WidgetDataModel::hasMoreItems(const QVariantList &indexPath)
{
    return data(indexPath).value<ModelMarker>().isFooter();
}

QString WidgetDataModel::createHeader(int group)
{
    return SingleSearchAllDataModel::createHeader(group);
}

QString WidgetDataModel::createFooter(int group)
{
    return SingleSearchAllDataModel::createFooter(group);
}

} // namespace places
} // namespace trellan
} // namespace hx
