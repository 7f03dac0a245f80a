#ifndef HX_PLATFORM_PLACES_GAZETTEER_P_H
#define HX_PLATFORM_PLACES_GAZETTEER_P_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

#include "categorysearch_p.h"
#include "fileidentity_p.h"
#include "gazetteerreviews_p.h"
#include "nearestwalk_p.h"
#include "othernamematches_p.h"
#include "prefixsearch_p.h"
#include "streetsegments_p.h"

struct sqlite3;
struct sqlite3_stmt;

namespace hx {
namespace platform {
namespace places {

// The one read-only connection to a gazetteer file, shared by its three engines: the
// full-text prefix search, the nearest walk of the spatial index and the category search, and
// the reviews of its points of interest.
class GazetteerPrivate
{
public:
    GazetteerPrivate()
        : prefix(*this), otherNames(*this), nearest(*this), categories(*this), reviews(*this), streets(*this)
    { }
    ~GazetteerPrivate();

    bool open();
    void close();
    bool fail(const QString &message);
    // The cached statement of a text, kept by its address; null when the file lacks what it reads.
    sqlite3_stmt *statement(const char *sql);
    QString sqliteError() const;
    bool readEntry(qint64 id, GazetteerEntry *entry);
    // The entries of these ids in their order, those that exist; one statement for a page of
    // them rather than one each.
    QList<GazetteerEntry> readEntries(const QVector<qint64> &ids);
    bool hasCategoryIndex() const;
    // The name of a country in the default locale's language, when the file has one.
    QString countryNameInLanguage(const QString &code);
    QStringList otherNamesOf(qint64 id);

    QString path;
    FileIdentity identity; // of the file this connection reads; invalid when unsure
    QString error;
    int version = 0;
    sqlite3 *db = nullptr;
    QHash<const char *, sqlite3_stmt *> statements;
    PrefixSearch prefix;
    OtherNameMatches otherNames;
    NearestWalk nearest;
    CategorySearch categories;
    GazetteerReviews reviews;
    StreetSegments streets;
    void readColumns(sqlite3_stmt *query, GazetteerEntry *entry);

    QString countryNamesLocale; // the locale countryNames were read for
    QHash<QString, QString> countryNames; // by ISO code
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
