#ifndef HX_TRELLAN_QMLDOCUMENT_H
#define HX_TRELLAN_QMLDOCUMENT_H

#include <QtCore/QObject>
#include <QtCore/QScopedPointer>
#include <QtCore/QUrl>
#include <QtCore/QVariant>
#include <QtQml/QQmlError>

class QQmlContext;
class QQmlEngine;

namespace hx {
namespace trellan {

// A QML document of toolkit controls (import hx.trellan 1.0), from a file, "qrc:" or "asset:"
// URL. Documents of one thread share that thread's engine. The root object belongs to the
// caller of createRootObject.
class QmlDocument : public QObject
{
    Q_OBJECT
public:
    explicit QmlDocument(const QUrl &url, QObject *parent = nullptr);
    ~QmlDocument() override;

    // A new document for url (a path, "qrc:/…", "asset:///…" or "asset://root/…").
    static QmlDocument *create(const QString &url, QObject *parent = nullptr);
    // Registers the toolkit's types in the module "hx.trellan" 1.0; done by every document.
    static void registerTypes();
    // The engine documents of the calling thread use.
    static QQmlEngine *defaultDeclarativeEngine();

    QUrl source() const;
    // Compiles the document; false (and errors) when it is missing or wrong.
    bool load();
    bool hasErrors() const;
    QList<QQmlError> errors() const;
    QString errorString() const;

    void setContextProperty(const QString &name, QObject *object);
    void setContextProperty(const QString &name, const QVariant &value);
    QQmlContext *documentContext() const;

    // Creates the root object (loading first when needed): null on errors or when the root is
    // not a T, and then nothing is left behind.
    template<typename T> T *createRootObject(QQmlContext *context = nullptr)
    {
        QObject *object = createRootQObject(context);
        T *root = qobject_cast<T *>(object);
        if (object && !root)
            delete object;
        return root;
    }
    QObject *createRootQObject(QQmlContext *context = nullptr);

private:
    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif
