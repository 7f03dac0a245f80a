#ifndef HX_TRELLAN_PLACES_GROUPEDSEARCH_P_H
#define HX_TRELLAN_PLACES_GROUPEDSEARCH_P_H

#include <hx/platform/places/error.h>
#include <hx/platform/places/searchmanager.h>
#include <hx/platform/places/searchresult.h>
#include <hx/trellan/places/cachedplacedatamodel.h>
#include <hx/trellan/places/filtercategory.h>

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QVariant>

#include <functional>

namespace hx {
namespace trellan {
namespace places {

// The part the grouped models share: one block of rows per store reply.
class GroupedSearch
{
public:
    struct Layout
    {
        int topGroup; // the group whose block goes above all others
        std::function<int(int group, int received)> shown; // how many places of a block are rows
        std::function<QString(int group)> header;
        // The footer of a block, or empty for none.
        std::function<QString(int group, int shown, const hx::platform::places::SearchResult &)> footer;
    };

    struct Block
    {
        QVariantList rows;
        QList<CachedPlace> places; // the places of the block's place rows, for ratings
        QVariantList placeRows; // their row numbers once inserted
        bool top = false;
    };

    // Puts a reply's places into the storage and lays out its rows; call with the model's
    // mutex held. An empty block has no rows.
    static Block build(const Layout &layout, const hx::platform::places::SearchResult &result,
                       QVector<CachedPlace> &storage);
    // Inserts the block's rows; called without the mutex, since the row list signals views.
    static void insert(Block &block, hx::trellan::ArrayDataModel *rows);

    static void start(hx::platform::places::SearchManager *manager, const QString &text,
                      const hx::platform::places::Coordinates &near, int searchId,
                      const QList<FilterCategory::Type> &categories, bool includeFavorites, int pageSize);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
