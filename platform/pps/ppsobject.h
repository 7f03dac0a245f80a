#ifndef HX_PPS_PPSOBJECT_H
#define HX_PPS_PPSOBJECT_H

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QScopedPointer>
#include <QtCore/QString>
#include <QtCore/QVariantMap>

namespace hx {

class PpsObjectPrivate;

// One publish/subscribe object, opened by its "/pps/…" path. Status objects are files: read()
// returns the whole current text and write() replaces it at once, so a reader never sees half a
// write. Server objects are sockets: write() sends one request and read() waits for one reply.
class PpsObject : public QObject
{
    Q_OBJECT

public:
    enum OpenMode {
        Publish = 1, // write; a missing object file is created (0600, folders 0700)
        Subscribe = 2, // read only; the object must exist
        PublishAndSubscribe = 3
    };

    explicit PpsObject(const QString &path, QObject *parent = nullptr);
    ~PpsObject() override;

    QString path() const;

    // Mode is a combination of OpenMode values; false (with errorString()) on failure.
    bool open(int mode);
    bool isOpen() const;
    void close();

    QByteArray read(bool *ok = nullptr);
    bool write(const QByteArray &data);

    // errno of the last failure, 0 when the last operation succeeded.
    int error() const;
    QString errorString() const;

    // Object text to a map: each "@name" object becomes a map under "@name" holding its
    // attributes; attributes before any object line sit at the top. Text gives QString, numbers
    // int, qlonglong or double, booleans bool, JSON objects and arrays QVariantMap and
    // QVariantList, null an invalid QVariant. ok is false for text that does not parse.
    static QVariantMap decode(const QByteArray &data, bool *ok = nullptr);
    // The reverse of decode: top-level entries become attribute lines, "@name" entries holding a
    // map become objects. ok is false for keys that cannot be attribute names and for values
    // of other types (or NaN).
    static QByteArray encode(const QVariantMap &map, bool *ok = nullptr);

private:
    QScopedPointer<PpsObjectPrivate> d;
};

} // namespace hx

#endif
