#ifndef HX_TOOLS_IMPORTRECORD_H
#define HX_TOOLS_IMPORTRECORD_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QHash>
#include <QtCore/QString>

// One row of an input file: its line, its named fields, or why it could not be read.
struct ImportRecord
{
    int line = 0;
    QString label; // how to name the row in a message besides its line ("feature 3")
    QString error;
    QHash<QString, QString> fields; // lower-case column or property names

    // The entry the fields describe; an empty name and the reason in *error when they do not.
    hx::platform::places::GazetteerEntry toEntry(hx::platform::places::GazetteerEntry::Kind defaultKind,
                                                 QString *error) const;
    static bool parseKind(const QString &text, hx::platform::places::GazetteerEntry::Kind *kind);
};

#endif
