#ifndef HX_PLATFORM_PLACES_CATEGORYSEARCH_P_H
#define HX_PLATFORM_PLACES_CATEGORYSEARCH_P_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

#include "gazetteercandidate_p.h"

struct sqlite3_stmt;

namespace hx {
namespace platform {
namespace places {

class GazetteerPrivate;

// The gazetteer's points of interest by category code (sub-categories included): nearest
// first around a position, else most important first; and the category names themselves.
class CategorySearch
{
public:
    explicit CategorySearch(GazetteerPrivate &gazetteer) : m_gazetteer(gazetteer) { }

    // Prepares its statements and reads the category names; false when the file is damaged.
    bool prepare();
    QList<GazetteerEntry> inCategory(const QString &code, double nearLatitude, double nearLongitude, int offset,
                                     int limit, bool *hasMore);
    QStringList categories(const QString &prefix, int limit) const;

private:
    struct Category
    {
        QString code;
        QString name;
        QStringList words;
        QString key;
    };

    // key is a case-folded code prefix.
    static QString categoryEnd(const QString &key);
    bool wholeCategory(const QString &key, GazetteerCandidates *rows);
    GazetteerCandidates inBox(const QString &key, double latitude, double longitude, double radiusMetres);
    // Appends the rows of a box query whose category starts with the key; false when it failed.
    bool readBox(sqlite3_stmt *query, const QString &key, double latitude, double longitude,
                 GazetteerCandidates *found);
    GazetteerCandidates nearestInCategory(const QString &key, double latitude, double longitude, int wanted);
    QList<qint64> byImportance(const QString &key, int wanted);

    GazetteerPrivate &m_gazetteer;
    QVector<Category> m_categories;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
