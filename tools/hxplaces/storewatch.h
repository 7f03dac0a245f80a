#ifndef HXPLACES_STOREWATCH_H
#define HXPLACES_STOREWATCH_H

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QStringList>

// Watches the user's places while a random user works on a screen: which places the screens
// saved, which the user removed on purpose, and which went missing on a step that removes
// nothing. A stored place is always a favourite, a recent place, home or work, so those lists
// together are every place.
class StoreWatch
{
public:
    StoreWatch();

    // Reads the store again after a step; removing says whether the step could remove a place
    // (an action, a context menu, a dialog answer, a tap). False when a place went otherwise.
    bool update(const QString &step, bool removing);

    int savedCount() const { return m_saved.size() + m_removed; }
    int removedCount() const { return m_removed; }
    // Each place saved during the run and still stored, as "ID<TAB>NAME".
    QStringList kept() const;
    // What went missing and on which step.
    QStringList lost() const { return m_lost; }

private:
    static QHash<qint64, QString> places(bool *ok);

    QHash<qint64, QString> m_before;
    QHash<qint64, QString> m_saved;
    QStringList m_lost;
    int m_removed = 0;
};

#endif
