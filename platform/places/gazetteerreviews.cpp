#include <QtCore/QDebug>

#include <sqlite3.h>

#include "gazetteer_p.h"
#include "gazetteerreviews_p.h"
#include "sqlstatement_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
constexpr const char *ReviewsSql = "SELECT author, rating, text, created, image_url, page_url FROM reviews "
                                   "WHERE entry_id = ?1 ORDER BY created DESC, rowid";
} // namespace

void GazetteerReviews::prepare()
{
    m_available = m_gazetteer.statement(ReviewsSql) != nullptr;
}

QList<GazetteerReview> GazetteerReviews::of(qint64 entryId)
{
    QList<GazetteerReview> reviews;
    sqlite3_stmt *query = m_available ? m_gazetteer.statement(ReviewsSql) : nullptr;
    if (!query)
        return reviews;
    SqlStatement use(query);
    sqlite3_bind_int64(query, 1, entryId);
    int rc;
    while ((rc = sqlite3_step(query)) == SQLITE_ROW) {
        GazetteerReview review;
        review.entryId = entryId;
        review.author = SqlStatement::columnText(query, 0);
        review.rating = sqlite3_column_double(query, 1);
        review.text = SqlStatement::columnText(query, 2);
        review.created = sqlite3_column_int64(query, 3);
        review.imageUrl = SqlStatement::columnText(query, 4);
        review.pageUrl = SqlStatement::columnText(query, 5);
        reviews.append(review);
    }
    if (rc != SQLITE_DONE)
        qWarning().noquote() << "hx::platform::places::Gazetteer::reviews() failed:" << m_gazetteer.sqliteError();
    return reviews;
}

} // namespace places
} // namespace platform
} // namespace hx
