#include "searchlist.h"

#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/modelmarker.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/separator.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QEventLoop>
#include <QtCore/QTimer>

using namespace hx::platform::places;
using namespace hx::trellan::places;

namespace {
ModelMarker marker(hx::trellan::DataModel &model, int row)
{
    return model.data({ row }).value<ModelMarker>();
}
} // namespace

SearchList::SearchList(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<Error::Type>("hx::platform::places::Error::Type");
    connect(&m_all, &PlacesDataModel::modelLoadedFinal, this, &SearchList::onAllLoaded);
    connect(&m_all, &SingleSearchAllDataModel::errorEvent, this, &SearchList::onError);
    // The filtered model finishes on a pool thread: these arrive queued on ours.
    connect(&m_filter, &PlacesDataModel::modelLoadedFinal, this, &SearchList::onCategoryLoaded);
    connect(&m_filter, &hx::trellan::DataModel::itemAdded, this, &SearchList::onCategoryGrown);
}

void SearchList::showAll(const QString &text, const Coordinates &near)
{
    // Typing keeps the old rows up until the new ones are complete; coming back from a
    // category starts from an empty list.
    const bool fromCategory = m_category != FilterCategory::None;
    m_category = FilterCategory::None;
    m_loading = true;
    m_error = Error::None;
    if (fromCategory)
        clearRows();
    // An empty category list asks the store for its default groups, as the search field does.
    m_all.load(text, near, QList<FilterCategory::Type>(), true);
}

void SearchList::showCategory(FilterCategory::Type category, const QString &text, const Coordinates &near)
{
    m_category = category;
    m_loading = true;
    m_error = Error::None;
    // The rows on show point into the model's cache, which the new query empties.
    clearRows();
    m_filter.load(category, text, near, true);
}

void SearchList::clearRows()
{
    m_rows.clear();
    emit rowsChanged();
}

bool SearchList::waitUntilLoaded(int timeoutMs)
{
    if (!m_loading)
        return true;
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    connect(this, &SearchList::rowsChanged, &loop, [this, &loop] {
        if (!m_loading)
            loop.quit();
    });
    loop.exec();
    return !m_loading;
}

void SearchList::onAllLoaded()
{
    if (m_category != FilterCategory::None)
        return;
    // The model's places are dropped by its next query; the rows on show keep their own.
    QList<Row> rows;
    const int count = m_all.childCount({});
    for (int i = 0; i < count; ++i)
        rows.append({ marker(m_all, i).type(), m_all.place({ i }) });
    m_rows = rows;
    m_loading = false;
    emit rowsChanged();
}

void SearchList::onCategoryLoaded()
{
    if (m_category == FilterCategory::None)
        return;
    m_loading = false;
    readCategoryRows();
}

void SearchList::onCategoryGrown()
{
    // Rows the cache adds while the user scrolls; rows of a load in progress wait for its end.
    if (m_category != FilterCategory::None && !m_loading)
        readCategoryRows();
}

void SearchList::readCategoryRows()
{
    // Only the keys: the places stay in the sliding cache and are read as rows come on screen.
    QList<Row> rows;
    const int count = m_filter.childCount({});
    for (int i = 0; i < count; ++i)
        rows.append({ marker(m_filter, i).type(), CachedPlace() });
    m_rows = rows;
    emit rowsChanged();
}

void SearchList::onError(Error::Type error)
{
    m_error = error;
}

QString SearchList::key(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).key : QString();
}

CachedPlace SearchList::place(int row)
{
    if (row < 0 || row >= m_rows.size())
        return CachedPlace();
    if (m_category == FilterCategory::None)
        return m_rows.at(row).place;
    // While a new category query runs, the old rows no longer match the cache.
    return m_loading ? CachedPlace() : m_filter.place({ row });
}

QSharedPointer<Place> SearchList::fullPlace(int row)
{
    if (m_category == FilterCategory::None)
        return PlaceManagerUI::convertToPlace(place(row));
    if (m_loading || row < 0 || row >= m_rows.size())
        return QSharedPointer<Place>();
    return PlaceManagerUI::convertToPlace(m_filter.fullPlace({ row }));
}

FilterCategory::Type SearchList::footerCategory(int row) const
{
    const FilterCategory::Type own = ItemType::getFilter(key(row));
    if (own != FilterCategory::None)
        return own;
    // Most sections have no footer of their own ("FOOTER_MORE_NONE"): their rows say what they hold.
    for (int i = row - 1; i >= 0 && !ItemType::isHeader(key(i)); --i) {
        const FilterCategory::Type category = categoryOfRowKey(key(i));
        if (category != FilterCategory::None)
            return category;
    }
    return FilterCategory::None;
}

FilterCategory::Type SearchList::categoryOfRowKey(const QString &key)
{
    static const struct
    {
        const char *key;
        FilterCategory::Type category;
    } table[] = {
        { ItemType::TYPE_MYPLACES, FilterCategory::MyPlaces },
        { ItemType::TYPE_FAVORITE, FilterCategory::Favorites },
        { ItemType::TYPE_RECENT, FilterCategory::Recents },
        { ItemType::TYPE_CONTACT, FilterCategory::Contacts },
        { ItemType::TYPE_REMOTEPLACES, FilterCategory::RemotePlaces },
        { ItemType::TYPE_ADDRESS, FilterCategory::Addresses },
        { ItemType::TYPE_POI, FilterCategory::Pois },
        { ItemType::TYPE_SUGGESTION, FilterCategory::Suggestions },
    };
    for (const auto &entry : table) {
        if (key == QLatin1String(entry.key))
            return entry.category;
    }
    return FilterCategory::None;
}

QString SearchList::headerTitle(const QString &key)
{
    return Separator::headerTitle(key);
}

QString SearchList::categoryTitle(FilterCategory::Type category)
{
    switch (category) {
    case FilterCategory::Favorites:
        return QCoreApplication::translate("Places", "Favorites");
    case FilterCategory::Recents:
    case FilterCategory::RecentGroup5:
        return QCoreApplication::translate("Places", "Recents");
    case FilterCategory::Contacts:
        return QCoreApplication::translate("Places", "Contacts");
    case FilterCategory::MyPlaces:
        return QCoreApplication::translate("Places", "My Places");
    case FilterCategory::RemotePlaces:
    case FilterCategory::Suggestions:
        return QCoreApplication::translate("Places", "Suggestions");
    case FilterCategory::Addresses:
        return QCoreApplication::translate("Places", "Addresses");
    case FilterCategory::Pois:
        return QCoreApplication::translate("Places", "Points of Interest");
    default:
        return QCoreApplication::translate("Places", "All");
    }
}
