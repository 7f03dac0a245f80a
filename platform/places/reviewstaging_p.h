#ifndef HX_PLATFORM_PLACES_REVIEWSTAGING_P_H
#define HX_PLATFORM_PLACES_REVIEWSTAGING_P_H

#include <hx/platform/places/gazetteerreview.h>

#include <QtCore/QString>

struct sqlite3;
struct sqlite3_stmt;

namespace hx {
namespace platform {
namespace places {

// The reviews of a gazetteer write, held against the staged entries they review until the
// entries get their final ids.
class ReviewStaging
{
public:
    ~ReviewStaging();

    bool create(sqlite3 *db, QString *error);
    // Keeps the reviews of the attached old file; its entries were staged in id order first.
    bool copyExisting(QString *error);
    bool add(const GazetteerReview &review, QString *error);
    // Moves the reviews into the file's table, under the ids the entries were given.
    bool build(QString *error);
    void close();

    // Why the review cannot be stored, or an empty string when it can.
    static QString validate(const GazetteerReview &review);

private:
    bool exec(const char *sql, QString *error);
    bool failed(QString *error) const;
    // The staged point of interest the review is about; -1 when there is none.
    qint64 stagedPlace(const GazetteerReview &review);

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_insert = nullptr;
    sqlite3_stmt *m_find = nullptr;
    bool m_indexed = false;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
