#ifndef HXPLACES_STOREWATCH_H
#define HXPLACES_STOREWATCH_H

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QStringList>

// Watches the user's places while a random user works on a screen: which places the screens
// saved and which the user removed again (a delete, an unfavourite, a new home that replaces
// the old one: screens finish some of those later, after a geocoding or a dialog, so a removal
// is not pinned to one step). A stored place is always a favourite, a recent place, home or
// work, so those lists together are every place.
class StoreWatch
{
public:
    StoreWatch();

    // Reads the store again; false (with failure() saying why) when it cannot be read.
    bool update(const QString &step);

    int savedCount() const { return m_saved.size() + m_removed; }
    int removedCount() const { return m_removed; }
    // Each place saved during the run and still stored, as "ID<TAB>NAME", the name's UTF-8
    // percent-encoded so that any name stays on its line.
    QStringList kept() const;
    QString failure() const { return m_failure; }

private:
    static QHash<qint64, QString> places(bool *ok);

    QHash<qint64, QString> m_now;
    QHash<qint64, QString> m_saved;
    QString m_failure;
    int m_removed = 0;
};

#endif
