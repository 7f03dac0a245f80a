#ifndef HX_PLATFORM_PLACES_SQLSTATEMENT_P_H
#define HX_PLATFORM_PLACES_SQLSTATEMENT_P_H

#include <QtCore/QByteArray>
#include <QtCore/QString>

struct sqlite3_stmt;

namespace hx {
namespace platform {
namespace places {

// One use of a cached statement: it is reset and its bindings cleared when the use ends,
// whatever path the caller leaves by, so the next use starts clean. Also the conversions
// between Qt's values and SQLite's that every table reader and writer needs.
class SqlStatement
{
public:
    explicit SqlStatement(sqlite3_stmt *statement) : m_statement(statement) { }
    ~SqlStatement();
    SqlStatement(const SqlStatement &) = delete;
    SqlStatement &operator=(const SqlStatement &) = delete;

    static void bindText(sqlite3_stmt *statement, int index, const QString &text);
    // Bytes already in UTF-8, bound as text.
    static void bindUtf8(sqlite3_stmt *statement, int index, const QByteArray &utf8);
    // NaN is stored as NULL.
    static void bindNumber(sqlite3_stmt *statement, int index, double value);

    // The bytes as stored, without the copy that asking for text makes to add a terminating NUL.
    static const char *columnBytes(sqlite3_stmt *statement, int column, int *size);
    static QString columnText(sqlite3_stmt *statement, int column);
    // NULL reads as NaN.
    static double columnNumber(sqlite3_stmt *statement, int column);

private:
    sqlite3_stmt *m_statement;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
