#ifndef HX_PLATFORM_PLACES_PROVIDER_H
#define HX_PLATFORM_PLACES_PROVIDER_H

#include <QtCore/QString>

namespace hx {
namespace platform {
namespace places {

// Who supplied an auxiliary data item ("gazetteer", "contacts", a rating service's name).
class Provider
{
public:
    Provider() = default;
    explicit Provider(const QString &name) : m_name(name) { }

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    bool isEmpty() const { return m_name.isEmpty(); }

    bool operator==(const Provider &other) const { return m_name == other.m_name; }
    bool operator!=(const Provider &other) const { return !(*this == other); }

    // The names the store itself writes.
    static constexpr const char Gazetteer[] = "gazetteer";
    static constexpr const char Contacts[] = "contacts";
    // The rating service: the lists and cards draw only ratings under this name.
    static constexpr const char Ratings[] = "Yelp";

private:
    QString m_name;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
