#ifndef HX_TOOLS_MOCATALOG_H
#define HX_TOOLS_MOCATALOG_H

#include <QtCore/QHash>
#include <QtCore/QString>

// A compiled message catalogue (.mo) as its original texts and their translations, such as
// iso-codes' names of countries in one language.
class MoCatalog
{
public:
    // False when the file cannot be read or is no catalogue; the catalogue is then empty.
    bool load(const QString &path);
    // The translation of a text; empty when the catalogue has none.
    QString translate(const QString &text) const { return m_translations.value(text); }

private:
    QHash<QString, QString> m_translations;
};

#endif
