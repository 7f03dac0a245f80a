#include <hx/trellan/places/propertyreader.h>

#include <QtCore/QVariant>
#include <QtQml/QJSValue>
#include <hx/trellan/container.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/qmldocument.h>

namespace hx {
namespace trellan {
namespace places {

PropertyReader::PropertyReader(const QString &path, bool libraryFirst) : m_path(path)
{
    QString tried;
    if (libraryFirst) {
        tried = QStringLiteral("asset://hx.trellan.places/") + path;
        if (load(tried))
            return;
    }
    tried = QStringLiteral("asset:///") + path;
    if (load(tried))
        return;
    qFatal("PropertyReader::PropertyReader failed to load: %s", qPrintable(tried));
}

PropertyReader::~PropertyReader()
{
    // The root was created by the document's engine: it goes first.
    m_root.reset();
    m_document.reset();
}

bool PropertyReader::load(const QString &url)
{
    QScopedPointer<hx::trellan::QmlDocument> document(hx::trellan::QmlDocument::create(url));
    if (!document || !document->load() || document->hasErrors())
        return false;
    hx::trellan::Container *root = document->createRootObject<hx::trellan::Container>();
    if (!root)
        return false;
    m_root.reset(root);
    m_document.swap(document);
    return true;
}

bool PropertyReader::isValid() const
{
    return !m_root.isNull();
}

QString PropertyReader::path() const
{
    return m_path;
}

QVariant PropertyReader::read(const QString &name) const
{
    QVariant value;
    if (isValid())
        value = m_root->property(name.toUtf8().constData());
    if (!value.isValid())
        Log::warning() << "hx::trellan::places::PropertyReader::property() - Could not read value for QML property: "
                       << name;
    return value;
}

void PropertyReader::property(QString &value, const QString &name) const
{
    const QVariant read = this->read(name);
    if (read.isValid())
        value = read.toString();
}

void PropertyReader::property(float &value, const QString &name) const
{
    // A QML real may arrive as a double or a float.
    const QVariant read = this->read(name);
    if (read.isValid())
        value = read.toFloat();
}

void PropertyReader::property(QVariantMap &value, const QString &name) const
{
    QVariant read = this->read(name);
    if (!read.isValid())
        return;
    // A JavaScript object held by a QML property arrives as a QJSValue: turn it into a map.
    if (read.userType() == qMetaTypeId<QJSValue>())
        read = read.value<QJSValue>().toVariant();
    value = read.toMap();
}

} // namespace places
} // namespace trellan
} // namespace hx
