#include "mergedsearch.h"

#include <hx/platform/places/searchresultgroup.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QTimer>

using namespace hx::platform::places;

MergedSearch::MergedSearch(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<Error::Type>("hx::platform::places::Error::Type");
    qRegisterMetaType<SearchResult>("hx::platform::places::SearchResult");
    m_manager.setMyPlacesGroup(SearchResultGroup::MyPlaces);
    connect(&m_manager, &SearchManager::resultAvailable, this, &MergedSearch::onResultAvailable, Qt::QueuedConnection);
}

void MergedSearch::load(const QString &text, const Coordinates &near)
{
    start(text, near, QList<int>(), PageSize, true);
}

void MergedSearch::loadGroup(int group, const QString &text, const Coordinates &near)
{
    // A footer opens the whole category; a hundred rows is more than a terminal scrolls through.
    start(text, near, { group }, 100, false);
}

bool MergedSearch::loadAndWait(const QString &text, const Coordinates &near, int group, int timeoutMs)
{
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    connect(this, &MergedSearch::finished, &loop, &QEventLoop::quit);
    if (group < 0)
        load(text, near);
    else
        loadGroup(group, text, near);
    if (!m_finished)
        loop.exec();
    return m_finished;
}

void MergedSearch::start(const QString &text, const Coordinates &near, const QList<int> &groups, int limit,
                         bool collapsed)
{
    m_text = text;
    m_collapsed = collapsed;
    m_finished = false;
    m_error = Error::None;
    m_rows.clear();
    ++m_searchId;
    m_manager.search(text, near, m_searchId, groups, 0, limit);
    emit rowsChanged();
}

void MergedSearch::onResultAvailable(Error::Type error, SearchResult result, bool done, int searchId)
{
    if (searchId != m_searchId)
        return;
    if (error != Error::None) {
        m_error = error;
    } else {
        const QList<Row> rows = block(result);
        // My Places stand above every other section, whenever they answer.
        if (!rows.isEmpty() && result.sourceGroup() == SearchResultGroup::MyPlaces)
            m_rows = rows + m_rows;
        else
            m_rows += rows;
        if (!rows.isEmpty())
            emit rowsChanged();
    }
    if (done) {
        m_finished = true;
        emit finished();
    }
}

QList<MergedSearch::Row> MergedSearch::block(const SearchResult &result) const
{
    const int group = result.sourceGroup();
    const QList<QSharedPointer<AbstractPlace>> places = result.places();
    if (places.isEmpty())
        return {};
    int shown = places.size();
    if (m_collapsed && group != SearchResultGroup::Suggestions)
        shown = qMin(shown, CollapsedRows);

    QList<Row> rows;
    rows.append({ Row::Header, group, headerKey(group), {} });
    for (int i = 0; i < shown; ++i)
        rows.append({ Row::Place, group, rowKey(group), places.at(i) });
    if (m_collapsed && (result.handle().hasMoreData() || shown < places.size()))
        rows.append({ Row::Footer, group, footerKey(group), {} });
    return rows;
}

QString MergedSearch::headerKey(int group)
{
    switch (group) {
    case SearchResultGroup::Recents:
    case SearchResultGroup::RecentlyPicked:
        return QStringLiteral("HEADER_RECENT");
    case SearchResultGroup::Favorites:
        return QStringLiteral("HEADER_FAVORITE");
    case SearchResultGroup::Contacts:
        return QStringLiteral("HEADER_CONTACT");
    case SearchResultGroup::MyPlaces:
        return QStringLiteral("HEADER_MYPLACES");
    case SearchResultGroup::RemotePlaces:
        return QStringLiteral("HEADER_REMOTEPLACES");
    case SearchResultGroup::Addresses:
        return QStringLiteral("HEADER_ADDRESS");
    case SearchResultGroup::PointsOfInterest:
        return QStringLiteral("HEADER_POI");
    case SearchResultGroup::Suggestions:
        return QStringLiteral("HEADER_SUGGESTION");
    default:
        return QStringLiteral("HEADER_NONE");
    }
}

QString MergedSearch::footerKey(int group)
{
    switch (group) {
    case SearchResultGroup::RemotePlaces:
        return QStringLiteral("FOOTER_MORE_REMOTEPLACES");
    case SearchResultGroup::Suggestions:
        return QStringLiteral("FOOTER_MORE_SUGGESTION");
    case SearchResultGroup::MyPlaces:
        return QStringLiteral("FOOTER_MORE_MYPLACES");
    default:
        return QStringLiteral("FOOTER_MORE_NONE");
    }
}

QString MergedSearch::rowKey(int group)
{
    switch (group) {
    case SearchResultGroup::Recents:
    case SearchResultGroup::RecentlyPicked:
        return QStringLiteral("TYPE_W_RECENT");
    case SearchResultGroup::Favorites:
        return QStringLiteral("TYPE_W_FAVORITE");
    case SearchResultGroup::Contacts:
        return QStringLiteral("TYPE_W_CONTACT");
    case SearchResultGroup::MyPlaces:
    case SearchResultGroup::MyPlacesGroup14:
        return QStringLiteral("TYPE_MYPLACES");
    case SearchResultGroup::RemotePlaces:
        return QStringLiteral("TYPE_REMOTEPLACES");
    case SearchResultGroup::Addresses:
        return QStringLiteral("TYPE_ADDRESS");
    case SearchResultGroup::PointsOfInterest:
    case SearchResultGroup::CategorySearch:
        return QStringLiteral("TYPE_POI");
    case SearchResultGroup::Suggestions:
        return QStringLiteral("TYPE_SUGGESTION");
    default:
        return QStringLiteral("TYPE_NONE");
    }
}

QString MergedSearch::headerTitle(const QString &key)
{
    static const char *const titles[][2] = {
        { "HEADER_TODAY", QT_TRANSLATE_NOOP("Places", "Today") },
        { "HEADER_WEEK", QT_TRANSLATE_NOOP("Places", "This Week") },
        { "HEADER_MONTH", QT_TRANSLATE_NOOP("Places", "This Month") },
        { "HEADER_EARLIER", QT_TRANSLATE_NOOP("Places", "Last Month or Earlier") },
        { "HEADER_CONTACT", QT_TRANSLATE_NOOP("Places", "Contact") },
        { "HEADER_FAVORITE", QT_TRANSLATE_NOOP("Places", "Favorite") },
        { "HEADER_RECENT", QT_TRANSLATE_NOOP("Places", "Recent") },
        { "HEADER_MYPLACES", QT_TRANSLATE_NOOP("Places", "My Places") },
        { "HEADER_REMOTEPLACES", QT_TRANSLATE_NOOP("Places", "Suggestions") },
        { "HEADER_SUGGESTION", QT_TRANSLATE_NOOP("Places", "Suggestions Near Map Center") },
        { "HEADER_POI", QT_TRANSLATE_NOOP("Places", "Points of Interest") },
    };
    for (const auto &title : titles) {
        if (key == QLatin1String(title[0]))
            return QCoreApplication::translate("Places", title[1]);
    }
    return QString();
}
