#ifndef HX_TOOLS_OTHERNAMESFILE_H
#define HX_TOOLS_OTHERNAMESFILE_H

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QStringList>

// The names of towns in other languages and scripts from a GeoNames table of towns
// (cities1000.txt: tab-separated, id, name, ASCII name, alternate names joined by commas, ...),
// by GeoNames id, with only the names people type.
class OtherNamesFile
{
public:
    // False with *error when the file cannot be read; lines not in the form are skipped.
    static bool read(const QString &path, QHash<qint64, QStringList> *names, QString *error);

    // Whether a name is one a person types: not a code (an airport's, a postal one), not a
    // link, not a machine's transliteration ("mu ni hei", "Kel'n", "firentsu~e").
    static bool isTyped(const QString &name);
};

#endif
