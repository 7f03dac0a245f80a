#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QUrl>

#include <sqlite3.h>

#include "gazetteertext_p.h"
#include "reviewstaging_p.h"
#include "sqlstatement_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
constexpr const char *StagingSql = "CREATE TEMP TABLE staged_reviews(seq INTEGER NOT NULL, author TEXT, rating REAL, "
                                   "text TEXT, created INTEGER, image_url TEXT, page_url TEXT)";
constexpr const char *InsertSql = "INSERT INTO temp.staged_reviews(seq, author, rating, text, created, image_url, "
                                  "page_url) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)";
// The nearest point of interest of the name when the review gives a position, else the most
// important; ties in the order the entries were added.
constexpr const char *FindSql
    = "SELECT seq FROM temp.staging WHERE name_key = ?1 AND kind = ?2 ORDER BY CASE WHEN ?3 IS NULL THEN 0 ELSE "
      "(latitude - ?3) * (latitude - ?3) + (longitude - ?4) * (longitude - ?4) END, importance DESC, seq LIMIT 1";
// Old entries were staged first and in id order, so an old id is its staging number.
constexpr const char *CopySql = "INSERT INTO temp.staged_reviews(seq, author, rating, text, created, image_url, "
                                "page_url) SELECT entry_id, author, rating, text, created, image_url, page_url "
                                "FROM old.reviews";
constexpr const char *BuildSql
    = "INSERT INTO reviews(entry_id, author, rating, text, created, image_url, page_url) "
      "SELECT s.id, r.author, r.rating, r.text, r.created, r.image_url, r.page_url FROM temp.staged_reviews r "
      "JOIN (SELECT seq, row_number() OVER (ORDER BY importance DESC, seq) AS id FROM temp.staging) s "
      "ON s.seq = r.seq ORDER BY s.id, r.created DESC";

// A place counts at least the reviews it lists; one rated by its reviews alone gets their mean.
constexpr const char *CountSql
    = "INSERT INTO entry_details(id, rating, rating_count) "
      "SELECT entry_id, avg(rating), count(*) FROM reviews WHERE true GROUP BY entry_id "
      "ON CONFLICT(id) DO UPDATE SET rating = coalesce(entry_details.rating, excluded.rating), "
      "rating_count = max(entry_details.rating_count, excluded.rating_count)";

bool isWebPage(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

bool isImageUrl(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid()
        && (scheme == QLatin1String("file") || scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}
} // namespace

ReviewStaging::~ReviewStaging()
{
    close();
}

bool ReviewStaging::create(sqlite3 *db, QString *error)
{
    m_db = db;
    m_indexed = false;
    if (!exec(StagingSql, error))
        return false;
    if (sqlite3_prepare_v2(m_db, InsertSql, -1, &m_insert, nullptr) != SQLITE_OK
        || sqlite3_prepare_v2(m_db, FindSql, -1, &m_find, nullptr) != SQLITE_OK)
        return failed(error);
    return true;
}

bool ReviewStaging::copyExisting(QString *error)
{
    sqlite3_stmt *probe = nullptr;
    const bool hasReviews = sqlite3_prepare_v2(m_db, "SELECT 1 FROM old.reviews", -1, &probe, nullptr) == SQLITE_OK;
    sqlite3_finalize(probe);
    return !hasReviews || exec(CopySql, error);
}

QString ReviewStaging::validate(const GazetteerReview &review)
{
    if (review.placeName.trimmed().isEmpty())
        return QStringLiteral("a review without a place");
    // A review gives one to five stars; the review sheet shows no other.
    if (!(review.rating >= 1 && review.rating <= 5))
        return QStringLiteral("rating out of range (1 to 5)");
    if (review.text.trimmed().isEmpty())
        return QStringLiteral("a review without text");
    if (!review.imageUrl.isEmpty() && !isImageUrl(review.imageUrl))
        return QStringLiteral("an image URL that is neither http(s) nor file: %1").arg(review.imageUrl);
    if (!review.pageUrl.trimmed().isEmpty() && !isWebPage(review.pageUrl.trimmed()))
        return QStringLiteral("a review page that is not an http(s) address: %1").arg(review.pageUrl.trimmed());
    if (qIsNaN(review.latitude) != qIsNaN(review.longitude))
        return QStringLiteral("a latitude without a longitude or the other way round");
    if (!qIsNaN(review.latitude) && !(qAbs(review.latitude) <= 90))
        return QStringLiteral("latitude out of range");
    if (!qIsNaN(review.longitude) && !(qAbs(review.longitude) <= 180))
        return QStringLiteral("longitude out of range");
    return QString();
}

bool ReviewStaging::add(const GazetteerReview &review, QString *error)
{
    *error = validate(review);
    if (!error->isEmpty())
        return false;
    const qint64 seq = stagedPlace(review);
    if (seq < 0) {
        if (error->isEmpty())
            *error = QStringLiteral("no point of interest named \"%1\"").arg(review.placeName.trimmed());
        return false;
    }
    SqlStatement use(m_insert);
    sqlite3_bind_int64(m_insert, 1, seq);
    SqlStatement::bindText(m_insert, 2, review.author.trimmed());
    sqlite3_bind_double(m_insert, 3, review.rating);
    SqlStatement::bindText(m_insert, 4, review.text.trimmed());
    sqlite3_bind_int64(m_insert, 5, review.created);
    SqlStatement::bindText(m_insert, 6, review.imageUrl);
    SqlStatement::bindText(m_insert, 7, review.pageUrl.trimmed());
    return sqlite3_step(m_insert) == SQLITE_DONE || failed(error);
}

qint64 ReviewStaging::stagedPlace(const GazetteerReview &review)
{
    // Reviews are few beside the entries: the name index is made only once one comes.
    QString error;
    if (!m_indexed && !exec("CREATE INDEX temp.staging_name ON staging(name_key)", &error))
        return -1;
    m_indexed = true;
    SqlStatement use(m_find);
    SqlStatement::bindText(m_find, 1, GazetteerText::foldedKey(review.placeName));
    sqlite3_bind_int(m_find, 2, GazetteerEntry::PointOfInterest);
    SqlStatement::bindNumber(m_find, 3, review.latitude);
    SqlStatement::bindNumber(m_find, 4, review.longitude);
    return sqlite3_step(m_find) == SQLITE_ROW ? sqlite3_column_int64(m_find, 0) : -1;
}

bool ReviewStaging::build(QString *error)
{
    return exec(BuildSql, error) && exec(CountSql, error);
}

void ReviewStaging::close()
{
    sqlite3_finalize(m_insert);
    sqlite3_finalize(m_find);
    m_insert = nullptr;
    m_find = nullptr;
    m_db = nullptr;
}

bool ReviewStaging::exec(const char *sql, QString *error)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK || failed(error);
}

bool ReviewStaging::failed(QString *error) const
{
    *error = QString::fromUtf8(sqlite3_errmsg(m_db));
    return false;
}

} // namespace places
} // namespace platform
} // namespace hx
