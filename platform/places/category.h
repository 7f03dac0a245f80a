#ifndef HX_PLATFORM_PLACES_CATEGORY_H
#define HX_PLATFORM_PLACES_CATEGORY_H

#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace platform {
namespace places {

// A point-of-interest category: its code (as "AAA"), its name and the codes of its children.
class Category
{
public:
    Category() = default;
    Category(const QString &code, const QString &name, const QStringList &childCodes = QStringList())
        : m_code(code), m_name(name), m_childCodes(childCodes)
    { }

    QString code() const { return m_code; }
    QString name() const { return m_name; }
    QStringList childCodes() const { return m_childCodes; }
    void setCode(const QString &code) { m_code = code; }
    void setName(const QString &name) { m_name = name; }
    void setChildCodes(const QStringList &codes) { m_childCodes = codes; }

    bool operator==(const Category &other) const
    {
        return m_code == other.m_code && m_name == other.m_name && m_childCodes == other.m_childCodes;
    }
    bool operator!=(const Category &other) const { return !(*this == other); }

private:
    QString m_code;
    QString m_name;
    QStringList m_childCodes;
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::Category)

#endif
