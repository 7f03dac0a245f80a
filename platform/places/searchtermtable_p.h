#ifndef HX_PLATFORM_PLACES_SEARCHTERMTABLE_P_H
#define HX_PLATFORM_PLACES_SEARCHTERMTABLE_P_H

#include <hx/platform/places/error.h>

#include <QtCore/QList>
#include <QtCore/QString>

namespace hx {
namespace platform {
namespace places {

class PlaceDatabase;

// The search terms the user submitted, newest first, each with the category it was for.
class SearchTermTable
{
public:
    struct Term
    {
        QString term;
        QString category;
        qint64 lastUsed = 0;
    };

    explicit SearchTermTable(PlaceDatabase &db) : m_db(db) { }

    // Terms matching filter, newest first; a negative limit lists them all.
    QList<Term> recent(const QString &filter, int offset, int limit, bool *hasMore, Error::Type *error);
    Error::Type add(const QString &term, const QString &category, qint64 seconds);
    bool clear();
    // Folds every stored term's key again.
    Error::Type refold();

private:
    PlaceDatabase &m_db;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
