#ifndef HX_PLATFORM_PLACES_GAZETTEERWRITER_H
#define HX_PLATFORM_PLACES_GAZETTEERWRITER_H

#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/gazetteerreview.h>
#include <hx/platform/places/gazetteerstreet.h>

#include <QtCore/QScopedPointer>
#include <QtCore/QString>

namespace hx {
namespace platform {
namespace places {

class GazetteerWriterPrivate;

// Writes a gazetteer file. Everything goes into a temporary file beside the target, which
// replaces the target in one rename on commit(): readers and a failed or abandoned write
// always see the old file whole. Entry ids are renumbered on every write (most important
// first), so ids are stable only as long as the file is.
//
//     GazetteerWriter writer(path);
//     if (!writer.begin(GazetteerWriter::KeepExisting)) ...
//     writer.add(entry); ...
//     if (!writer.commit()) qWarning() << writer.errorString();
class GazetteerWriter
{
public:
    enum Mode {
        Replace, // start from an empty gazetteer
        KeepExisting // start from the entries of the file at path, when there is one
    };

    explicit GazetteerWriter(const QString &path);
    ~GazetteerWriter(); // abandons a write that was not committed
    GazetteerWriter(const GazetteerWriter &) = delete;
    GazetteerWriter &operator=(const GazetteerWriter &) = delete;

    QString path() const;
    QString errorString() const;

    // Starts a write. With KeepExisting, a file at path that is not a readable gazetteer is
    // refused (false) rather than overwritten.
    bool begin(Mode mode = KeepExisting);
    bool isActive() const;

    // Adds one entry (its id and distance are ignored). False, with the reason in
    // errorString(), for an entry without a name, with half or out-of-range coordinates, an
    // unknown kind, a rating outside 0 to 5, a negative rating count or a count without a
    // rating; the write goes on without it.
    bool add(const GazetteerEntry &entry);
    // A point-of-interest category's display name; codes used by entries without a name
    // here are listed under their code.
    bool addCategory(const QString &code, const QString &name);
    // A country's name in a language ("de", "pt_BR"), shown where the phone is set to that
    // language; the last name given for a code and language counts.
    bool addCountryName(const QString &code, const QString &language, const QString &name);
    // A review of a point of interest added before it (in this write or kept from the file).
    // False, with the reason in errorString(), for a rating outside 0 to 5, an empty text, an
    // image URL that is neither http(s) nor file, or no such point of interest.
    bool addReview(const GazetteerReview &review);
    // A street's line, so that positions along it are named after it. False, with the reason
    // in errorString(), for a street without a name, of fewer than two points or with a point
    // out of range.
    bool addStreet(const GazetteerStreet &street);
    // Entries in the write so far, kept ones included.
    qint64 count() const;

    // Builds the indexes and puts the file in place. False leaves the old file untouched.
    bool commit();
    void rollback();

    // Why the entry cannot be stored, or an empty string when it can.
    static QString validate(const GazetteerEntry &entry);

private:
    QScopedPointer<GazetteerWriterPrivate> d;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
