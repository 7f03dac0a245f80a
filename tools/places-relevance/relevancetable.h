#ifndef HX_TOOLS_RELEVANCETABLE_H
#define HX_TOOLS_RELEVANCETABLE_H

#include <QtCore/QList>
#include <QtCore/QString>

// A table of what people type and the place they mean, one query a line, fields separated by
// tabs: the typed text (a trailing space is part of it), the position "lat,lon", the name of
// the place meant and its country code (empty for a place without one). Lines starting with
// "#" are comments; "level N" records how many queries the ranking must at least get right.
class RelevanceTable
{
public:
    struct Query
    {
        int line = 0;
        QString text;
        double latitude = 0;
        double longitude = 0;
        QString name;
        QString countryCode;
    };

    // False with *error (file:line: reason) when the file cannot be read or a line is malformed.
    bool load(const QString &path, QString *error);
    const QList<Query> &queries() const { return m_queries; }
    int level() const { return m_level; }

private:
    QList<Query> m_queries;
    int m_level = 0;
};

#endif
