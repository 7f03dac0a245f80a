#ifndef HX_PLATFORM_PLACES_GAZETTEER_P_H
#define HX_PLATFORM_PLACES_GAZETTEER_P_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QByteArray>
#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QSet>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

#include <memory>

#include "fileidentity_p.h"

struct sqlite3;
struct sqlite3_stmt;

namespace hx {
namespace platform {
namespace places {

class NearestIndex;

class GazetteerPrivate
{
public:
    // A match before the final ordering: just what ranking needs, the full entry comes later.
    struct Candidate
    {
        qint64 id = -1;
        double latitude = 0;
        double longitude = 0;
        bool hasPosition = false;
        double importance = 0;
        int tier = 0;
        double distance = 0; // metres from a nearest lookup; a key that orders by distance when ranked
    };

    // How well a folded name matches the typed text, read straight from the stored UTF-8 so
    // that the hundreds of matches a short prefix yields cost no conversions: 0 exact name,
    // 1 the name starts with the text, 2 every word starts a word of the name, 3 some word
    // matched only the address or area.
    class NameTier
    {
    public:
        explicit NameTier(const QString &key);
        int of(const char *name, int size) const;

    private:
        QByteArray m_key;
        QVector<QByteArray> m_words;
    };

    using Candidates = QVector<Candidate>;

    struct Category
    {
        QString code;
        QString name;
        QStringList words;
        QString key;
    };

    ~GazetteerPrivate();

    bool open();
    void close();
    bool fail(const QString &message);
    sqlite3_stmt *statement(const char *sql);
    QString sqliteError() const;
    void loadCategories();

    QStringList termsStartingWith(const QString &prefix, int limit);
    QString matchQuery(const QList<QStringList> &words, int kinds);
    Candidates exactMatches(const QString &key, const NameTier &tier, int kinds);
    bool prefixMatches(const QString &query, const NameTier &tier, const QSet<qint64> &skip, int windowSize, int wanted,
                       Candidates *window, Candidates *tail);
    // Sorts the first `wanted` candidates by text, then distance, importance and id.
    void rank(Candidates *candidates, int wanted, double nearLatitude, double nearLongitude) const;
    // The nearest-first walk of the index, its scoring function registered on first use.
    sqlite3_stmt *nearestStatement();
    // 1 read, 0 no such entry, -1 failed.
    int readPosition(qint64 id, double *latitude, double *longitude);
    bool readEntry(qint64 id, GazetteerEntry *entry);
    // nearest() from the in-memory index: its candidates measured exactly.
    QList<GazetteerEntry> nearestFromIndex(double latitude, double longitude, int kinds, int limit, double maxMetres);

    // Category search; key is a case-folded code prefix.
    bool hasCategoryIndex() const;
    static QString categoryEnd(const QString &key);
    bool wholeCategory(const QString &key, Candidates *rows);
    Candidates categoryInBox(const QString &key, double latitude, double longitude, double radiusMetres);
    Candidates nearestInCategory(const QString &key, double latitude, double longitude, int wanted);
    QList<qint64> categoryByImportance(const QString &key, int wanted);

    QString path;
    FileIdentity identity; // of the file this connection reads; invalid when unsure
    QString error;
    int version = 0;
    sqlite3 *db = nullptr;
    QHash<const char *, sqlite3_stmt *> statements;
    QHash<QString, QStringList> termsCache; // within one StoreScope
    quint64 termsMark = 0;
    QVector<Category> categories;
    bool nearestRegistered = false;
    // While a nearest walk runs: the distance of the farthest place it keeps once it has enough.
    double nearestReach = 0;
    // Every place's position in memory, once preloadNearestIndex() has read them.
    std::shared_ptr<const NearestIndex> nearestIndex;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
