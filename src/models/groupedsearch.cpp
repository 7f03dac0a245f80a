#include "groupedsearch_p.h"

#include <hx/platform/places/internaltags.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/places/groupmapper.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/modelmarker.h>

#include <QtCore/QMutexLocker>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;
using hx::platform::places::InternalTags;
using hx::platform::places::Place;
using hx::platform::places::SearchResult;

namespace {
// A collapsed merged list shows this many rows of each block but the suggestions.
const int collapsedCount = 2;
const int suggestionsGroup = 11;
} // namespace

GroupedSearch::GroupedSearch(CachedPlaceDataModel *model, const Layout &layout, int pageSize)
    : m_model(model), m_layout(layout), m_pageSize(pageSize)
{ }

GroupedSearch::Layout GroupedSearch::mergedListLayout(bool collapsed, const std::function<QString(int)> &header,
                                                      const std::function<QString(int)> &footer)
{
    Layout layout;
    layout.topGroup = 7;
    layout.shown = [collapsed](int group, int received) {
        return collapsed && group != suggestionsGroup ? qMin(received, collapsedCount) : received;
    };
    layout.header = header;
    layout.footer = [collapsed, footer](int group, int shown, const SearchResult &result) {
        if (collapsed && (result.searchHandle().hasMoreData() || shown < result.count()))
            return footer(group);
        return QString();
    };
    return layout;
}

void GroupedSearch::load(const QString &text, const hx::platform::places::Coordinates &near,
                         const QList<FilterCategory::Type> &categories, bool includeFavorites)
{
    int id;
    {
        QMutexLocker locker(&m_model->mutex());
        id = m_model->nextSearchId();
        m_loaded = false;
        m_model->storage().clear();
    }
    m_model->rows()->clear();
    const QList<int> groups = GroupMapper::mapList(categories);
    if (includeFavorites)
        m_searchManager.search(text, near, id, groups, 0, m_pageSize);
    else
        m_searchManager.searchNonFavorite(text, near, id, groups, 0, m_pageSize);
}

void GroupedSearch::takeReply(Error::Type error, const SearchResult &result, bool done, int id,
                              const std::function<void(Error::Type)> &reportError)
{
    QMutexLocker locker(&m_model->mutex());
    if (id != m_model->searchIdLocked())
        return;
    bool first;
    if (error != Error::None) {
        first = !m_loaded;
        m_loaded = true;
        locker.unlock();
        reportError(error);
    } else {
        Block block = build(result);
        first = !m_loaded && (done || !block.places.isEmpty());
        if (first)
            m_loaded = true;
        locker.unlock();
        insert(block);
        m_model->requestForRating(block.places, id, block.placeRows);
    }
    if (first)
        emit m_model->modelLoaded();
    if (done)
        emit m_model->modelLoadedFinal();
}

GroupedSearch::Block GroupedSearch::build(const SearchResult &result)
{
    Block block;
    const QList<CachedPlace> places = result.places();
    const int group = int(result.sourceGroup());
    const int shown = qMin(m_layout.shown(group, places.size()), places.size());
    if (shown <= 0)
        return block;
    QVector<CachedPlace> &storage = m_model->storage();
    const QString type = CachedPlaceDataModel::createType(group);
    // Places found only with a typing mistake corrected come under a header that says so.
    const auto *first = dynamic_cast<const Place *>(places.first().data());
    const bool spelledAlike = first && first->hasTag(QLatin1String(InternalTags::SuggestionSpelledAlike));
    block.rows.append(QVariant::fromValue(
        ModelMarker(spelledAlike ? QString::fromLatin1(ItemType::HEADER_SPELLED_ALIKE) : m_layout.header(group))));
    for (int i = 0; i < shown; ++i) {
        block.places.append(places.at(i));
        block.rows.append(QVariant::fromValue(ModelMarker(storage.size(), type)));
        storage.append(places.at(i));
    }
    const QString footer = m_layout.footer(group, shown, result);
    if (!footer.isEmpty())
        block.rows.append(QVariant::fromValue(ModelMarker(footer)));
    block.top = group == m_layout.topGroup;
    return block;
}

void GroupedSearch::insert(Block &block)
{
    if (block.rows.isEmpty())
        return;
    hx::trellan::ArrayDataModel *rows = m_model->rows();
    const int firstRow = block.top ? 0 : rows->size();
    for (int i = 0; i < block.places.size(); ++i)
        block.placeRows.append(firstRow + 1 + i);
    m_model->movePendingRatings(firstRow, block.rows.size());
    rows->insertList(firstRow, block.rows);
}

} // namespace places
} // namespace trellan
} // namespace hx
