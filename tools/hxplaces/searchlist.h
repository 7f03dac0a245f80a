#ifndef HXPLACES_SEARCHLIST_H
#define HXPLACES_SEARCHLIST_H

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/places/cachedplace.h>
#include <hx/trellan/places/filtercategory.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <hx/trellan/places/singlesearchfilterdatamodel.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QString>

// What the picker lists: the merged as-you-type list of the search-all model (sections
// collapsed to two rows with a "more" footer), or the whole of one category from the filtered
// model when a footer is opened. The rows on show are those of the last query the model
// reported complete, so the list never flickers through half-answered queries.
class SearchList : public QObject
{
    Q_OBJECT
public:
    struct Row
    {
        QString key; // "HEADER_…", "TYPE_…" or "FOOTER_…"
        hx::trellan::places::CachedPlace place; // merged rows keep their record; null otherwise
    };

    explicit SearchList(QObject *parent = nullptr);

    // Starts a query at once (no debounce); rowsChanged() follows when the model is done.
    void showAll(const QString &text, const hx::platform::places::Coordinates &near);
    void showCategory(hx::trellan::places::FilterCategory::Type category, const QString &text,
                      const hx::platform::places::Coordinates &near);
    // Runs until the current query is complete; false after the time-out.
    bool waitUntilLoaded(int timeoutMs = 15000);

    bool isLoading() const { return m_loading; }
    // None for the merged list.
    hx::trellan::places::FilterCategory::Type category() const { return m_category; }
    hx::platform::places::Error::Type lastError() const { return m_error; }

    int count() const { return m_rows.size(); }
    QString key(int row) const;
    // The record of a place row; in a category list this may fetch the next page (scrolling).
    hx::trellan::places::CachedPlace place(int row);
    // The row's place in full, ready to be picked; null when it cannot be read.
    QSharedPointer<hx::platform::places::Place> fullPlace(int row);
    // The category a footer row opens: the footer's own, else that of its section's rows.
    hx::trellan::places::FilterCategory::Type footerCategory(int row) const;

    static hx::trellan::places::FilterCategory::Type categoryOfRowKey(const QString &key);
    // A header's title in the user's language; empty for headers without one.
    static QString headerTitle(const QString &key);
    // The title of a category's whole list.
    static QString categoryTitle(hx::trellan::places::FilterCategory::Type category);

signals:
    void rowsChanged();

private slots:
    void onAllLoaded();
    void onCategoryLoaded();
    void onCategoryGrown();
    void onError(hx::platform::places::Error::Type error);

private:
    void readCategoryRows();
    void clearRows();

    hx::trellan::places::SingleSearchAllDataModel m_all;
    hx::trellan::places::SingleSearchFilterDataModel m_filter;
    hx::trellan::places::FilterCategory::Type m_category = hx::trellan::places::FilterCategory::None;
    QList<Row> m_rows;
    bool m_loading = false;
    hx::platform::places::Error::Type m_error = hx::platform::places::Error::None;
};

#endif
