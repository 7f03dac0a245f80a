#ifndef HX_TRELLAN_PLACES_SINGLESEARCHFILTERDATAMODEL_P_H
#define HX_TRELLAN_PLACES_SINGLESEARCHFILTERDATAMODEL_P_H

#include <hx/trellan/places/modelmarker.h>
#include <hx/trellan/places/placesdatacache.h>
#include <hx/trellan/places/singlesearchfilterdatamodel.h>

#include <QtCore/QMutexLocker>
#include <QtCore/QPair>
#include <QtCore/QRunnable>

namespace hx {
namespace trellan {
namespace places {

// The first page of a filtered list, loaded and laid out on a pool thread. Every access it
// makes to the model holds its own mutex and is refused once the model cancelled it or began
// another query, so a model may be destroyed at any point of the job.
class SingleSearchFilterDataModel::AsyncLoad : public QRunnable
{
public:
    struct Boundaries
    {
        QDateTime today;
        QDateTime week;
        QDateTime month;
    };

    AsyncLoad(int id, SingleSearchFilterDataModel *model, FilterCategory::Type category, const QString &text,
              const QString &type, const hx::platform::places::Coordinates &near, const Boundaries &boundaries,
              bool includeFavorites);

    void run() override;
    void cancel();

private:
    static PlacesDataLoader *createDataLoader(FilterCategory::Type category, const QString &text,
                                              const hx::platform::places::Coordinates &near, bool includeFavorites);
    // True while the job still has its model and the model's query is still this one; call
    // with m_mutex held.
    bool isCurrent() const;
    bool cacheSize(int *size, int *first, int *last);
    bool get(int index, CachedPlace *place);
    // The page's rows and the rating batches for them, laid out before any reaches the model.
    struct Page
    {
        QVariantList rows;
        QList<QPair<QList<CachedPlace>, QVariantList>> ratings;
        void add(const ModelMarker &marker) { rows.append(QVariant::fromValue(marker)); }
        void rate(const QList<CachedPlace> &places, const QVariantList &rowNumbers);
    };
    // Adds the page's rows in one block, so that a view never reads half a page.
    bool show(const Page &page);
    bool setHeader(const QString &header);
    bool requestRatings(const QList<CachedPlace> &places, const QVariantList &rows);
    void requestRatings(const Page &page);
    // Lays the first page out and shows it; false when nothing was shown.
    bool populate(Page *page);
    bool layOutRecentGroups(int first, int last, Page *page, QString *lastHeader);
    bool layOutList(int first, int last, Page *page);
    void terminate();

    SingleSearchFilterDataModel *m_model;
    QString m_text;
    hx::platform::places::Coordinates m_near;
    FilterCategory::Type m_category;
    QString m_type;
    QMutex m_mutex;
    Boundaries m_boundaries;
    int m_id;
    bool m_includeFavorites;
    int m_rows = 0;
};

class SingleSearchFilterDataModelPrivate
{
public:
    using Entries = QList<QPair<CachedPlace, int>>;

    static QString slot(const CachedPlace &place, const SingleSearchFilterDataModel::AsyncLoad::Boundaries &bounds);
    static QString rowType(const CachedPlace &place, FilterCategory::Type category, const QString &type);

    // Runs call on the cache under the model's mutex. The entries the cache reports meanwhile
    // become rows only once the mutex is released: a receiver of the row signals may call back
    // into the model.
    template<typename Call> auto withCache(SingleSearchFilterDataModel *model, Call call) -> decltype(call())
    {
        Entries added;
        decltype(call()) result;
        {
            QMutexLocker locker(&model->mutex());
            deferred = &added;
            result = call();
            deferred = nullptr;
        }
        for (const auto &entry : qAsConst(added))
            model->onEntryAdded(entry.first, entry.second);
        return result;
    }

    PlacesDataCache cache;
    Entries *deferred = nullptr; // set on the model's thread while it holds the mutex
    QSharedPointer<SingleSearchFilterDataModel::AsyncLoad> asyncLoad;
    SingleSearchFilterDataModel::AsyncLoad::Boundaries boundaries;
    FilterCategory::Type category = FilterCategory::None;
    QString currentHeader = QString::fromLatin1("HEADER_NONE");
    QString type = QString::fromLatin1("TYPE_NONE");
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
