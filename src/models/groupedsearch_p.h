#ifndef HX_TRELLAN_PLACES_GROUPEDSEARCH_P_H
#define HX_TRELLAN_PLACES_GROUPEDSEARCH_P_H

#include <hx/platform/places/coordinates.h>
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

// The part the grouped models share: one query over several groups, laid out as one block of
// rows per store reply in the model's rows and storage.
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

    GroupedSearch(CachedPlaceDataModel *model, const Layout &layout, int pageSize);

    // The merged list's layout: the suggestions on top of the other blocks; collapsed, every
    // block but the suggestions shows two rows and a footer when it has more.
    static Layout mergedListLayout(bool collapsed, const std::function<QString(int group)> &header,
                                   const std::function<QString(int group)> &footer);

    hx::platform::places::SearchManager &searchManager() { return m_searchManager; }

    // Drops the last query's rows and places and starts a new query under a new search id.
    void load(const QString &text, const hx::platform::places::Coordinates &near,
              const QList<FilterCategory::Type> &categories, bool includeFavorites);
    // Takes one reply; a reply of an older query is dropped. An error goes to reportError
    // before the model's load signals, as a model's own error signal must.
    void takeReply(hx::platform::places::Error::Type error, const hx::platform::places::SearchResult &result, bool done,
                   int id, const std::function<void(hx::platform::places::Error::Type)> &reportError);

private:
    struct Block
    {
        QVariantList rows;
        QList<CachedPlace> places; // the places of the block's place rows, for ratings
        QVariantList placeRows; // their row numbers once inserted
        bool top = false;
    };

    // Puts a reply's places into the storage and lays out its rows; call with the model's
    // mutex held. An empty block has no rows.
    Block build(const hx::platform::places::SearchResult &result);
    // Inserts the block's rows; called without the mutex, since the row list signals views.
    void insert(Block &block);

    CachedPlaceDataModel *m_model;
    Layout m_layout;
    int m_pageSize;
    bool m_loaded = false; // the query's first rows (or its error) are reported; under the mutex
    hx::platform::places::SearchManager m_searchManager;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
