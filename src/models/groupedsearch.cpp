#include "groupedsearch_p.h"

#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/places/groupmapper.h>
#include <hx/trellan/places/modelmarker.h>

namespace hx {
namespace trellan {
namespace places {

GroupedSearch::Block GroupedSearch::build(const Layout &layout, const hx::platform::places::SearchResult &result,
                                          QVector<CachedPlace> &storage)
{
    Block block;
    const QList<CachedPlace> places = result.places();
    const int group = int(result.sourceGroup());
    const int shown = qMin(layout.shown(group, places.size()), places.size());
    if (shown <= 0)
        return block;
    const QString type = CachedPlaceDataModel::createType(group);
    block.rows.append(QVariant::fromValue(ModelMarker(layout.header(group))));
    for (int i = 0; i < shown; ++i) {
        block.places.append(places.at(i));
        block.rows.append(QVariant::fromValue(ModelMarker(storage.size(), type)));
        storage.append(places.at(i));
    }
    const QString footer = layout.footer(group, shown, result);
    if (!footer.isEmpty())
        block.rows.append(QVariant::fromValue(ModelMarker(footer)));
    block.top = group == layout.topGroup;
    return block;
}

void GroupedSearch::insert(Block &block, hx::trellan::ArrayDataModel *rows)
{
    if (block.rows.isEmpty())
        return;
    const int firstRow = block.top ? 0 : rows->size();
    for (int i = 0; i < block.places.size(); ++i)
        block.placeRows.append(firstRow + 1 + i);
    rows->insertList(firstRow, block.rows);
}

void GroupedSearch::start(hx::platform::places::SearchManager *manager, const QString &text,
                          const hx::platform::places::Coordinates &near, int searchId,
                          const QList<FilterCategory::Type> &categories, bool includeFavorites, int pageSize)
{
    const QList<int> groups = GroupMapper::mapList(categories);
    if (includeFavorites)
        manager->search(text, near, searchId, groups, 0, pageSize);
    else
        manager->searchNonFavorite(text, near, searchId, groups, 0, pageSize);
}

} // namespace places
} // namespace trellan
} // namespace hx
