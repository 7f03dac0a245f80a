#ifndef HX_TRELLAN_PLACES_PROPERTYREADER_H
#define HX_TRELLAN_PLACES_PROPERTYREADER_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QScopedPointer>
#include <QtCore/QString>
#include <QtCore/QVariantMap>

namespace hx {
namespace trellan {
class Container;
class QmlDocument;
} // namespace trellan
} // namespace hx

namespace hx {
namespace trellan {
namespace places {

// Reads the dynamic properties of a property document: a QML document whose root is a toolkit
// Container, looked up in the library's resources first (when asked) and then in the
// application's assets. A document found in neither place stops the process: the library
// cannot lay out its screens without its sizes.
class HXPLACES_EXPORT PropertyReader
{
public:
    PropertyReader(const QString &path, bool libraryFirst);
    ~PropertyReader();
    PropertyReader(const PropertyReader &) = delete;
    PropertyReader &operator=(const PropertyReader &) = delete;

    bool isValid() const;
    QString path() const;

    // Each stores the named property into value when the document has a valid one; otherwise
    // value is left as it was and a warning is logged.
    void property(QString &value, const QString &name) const;
    void property(float &value, const QString &name) const;
    void property(QVariantMap &value, const QString &name) const;

private:
    bool load(const QString &url);
    QVariant read(const QString &name) const;

    QString m_path;
    QScopedPointer<hx::trellan::QmlDocument> m_document;
    QScopedPointer<hx::trellan::Container> m_root;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
