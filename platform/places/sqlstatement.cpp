#include <QtCore/QtNumeric>

#include <sqlite3.h>

#include "sqlstatement_p.h"

namespace hx {
namespace platform {
namespace places {

SqlStatement::~SqlStatement()
{
    if (m_statement) {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
}

void SqlStatement::bindText(sqlite3_stmt *statement, int index, const QString &text)
{
    bindUtf8(statement, index, text.toUtf8());
}

void SqlStatement::bindUtf8(sqlite3_stmt *statement, int index, const QByteArray &utf8)
{
    sqlite3_bind_text(statement, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
}

void SqlStatement::bindNumber(sqlite3_stmt *statement, int index, double value)
{
    if (qIsNaN(value))
        sqlite3_bind_null(statement, index);
    else
        sqlite3_bind_double(statement, index, value);
}

const char *SqlStatement::columnBytes(sqlite3_stmt *statement, int column, int *size)
{
    const auto *bytes = static_cast<const char *>(sqlite3_column_blob(statement, column));
    *size = bytes ? sqlite3_column_bytes(statement, column) : 0;
    return bytes;
}

QString SqlStatement::columnText(sqlite3_stmt *statement, int column)
{
    int size = 0;
    const char *bytes = columnBytes(statement, column, &size);
    return bytes ? QString::fromUtf8(bytes, size) : QString();
}

double SqlStatement::columnNumber(sqlite3_stmt *statement, int column)
{
    return sqlite3_column_type(statement, column) == SQLITE_NULL ? qQNaN() : sqlite3_column_double(statement, column);
}

} // namespace places
} // namespace platform
} // namespace hx
