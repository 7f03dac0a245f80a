#ifndef HXPLACES_MERGEDSEARCH_H
#define HXPLACES_MERGEDSEARCH_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/searchmanager.h>
#include <hx/platform/places/searchresult.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QSharedPointer>
#include <QtCore/QString>

// The merged as-you-type list of the picker: one store query over the default groups per
// keystroke, each group under its header, My Places first, sections collapsed to two rows
// with a "more" footer (suggestions never collapse), or one whole group when expanded.
// Queries are numbered; a reply of an older query is dropped.
class MergedSearch : public QObject
{
    Q_OBJECT
public:
    struct Row
    {
        enum Kind { Header, Place, Footer };
        Kind kind = Place;
        int group = 0;
        QString key; // the row's type key: "HEADER_…", "TYPE_…" or "FOOTER_…"
        QSharedPointer<hx::platform::places::AbstractPlace> place;
    };

    explicit MergedSearch(QObject *parent = nullptr);

    // Rows per collapsed section; the store is asked for pageSize per group.
    static constexpr int CollapsedRows = 2;
    static constexpr int PageSize = 20;

    // Starts a query at once; rows grow as the groups answer.
    void load(const QString &text, const hx::platform::places::Coordinates &near);
    // The whole of one group (a footer's category), every row, no footer.
    void loadGroup(int group, const QString &text, const hx::platform::places::Coordinates &near);
    // Runs load() or loadGroup() and waits for the last reply (scripted commands).
    bool loadAndWait(const QString &text, const hx::platform::places::Coordinates &near, int group = -1,
                     int timeoutMs = 10000);

    QList<Row> rows() const { return m_rows; }
    QString text() const { return m_text; }
    bool isFinished() const { return m_finished; }
    hx::platform::places::Error::Type lastError() const { return m_error; }

    static QString headerKey(int group);
    static QString footerKey(int group);
    static QString rowKey(int group);
    // The header's title in the user's language; empty for headers without one.
    static QString headerTitle(const QString &key);

signals:
    void rowsChanged();
    void finished();

private slots:
    void onResultAvailable(hx::platform::places::Error::Type error, hx::platform::places::SearchResult result,
                           bool done, int searchId);

private:
    void start(const QString &text, const hx::platform::places::Coordinates &near, const QList<int> &groups, int limit,
               bool collapsed);
    QList<Row> block(const hx::platform::places::SearchResult &result) const;

    hx::platform::places::SearchManager m_manager;
    QList<Row> m_rows;
    QString m_text;
    int m_searchId = 0;
    bool m_collapsed = true;
    bool m_finished = true;
    hx::platform::places::Error::Type m_error = hx::platform::places::Error::None;
};

#endif
