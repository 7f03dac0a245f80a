#include <hx/trellan/places/itemtype.h>

namespace hx {
namespace trellan {
namespace places {

constexpr const char ItemType::TYPE_NONE[];
constexpr const char ItemType::TYPE_MYPLACES[];
constexpr const char ItemType::TYPE_SUGGESTION[];
constexpr const char ItemType::TYPE_REMOTEPLACES[];
constexpr const char ItemType::TYPE_POICATEGORY[];
constexpr const char ItemType::TYPE_RECENTSEARCH[];
constexpr const char ItemType::TYPE_POI[];
constexpr const char ItemType::TYPE_ADDRESS[];
constexpr const char ItemType::TYPE_RECENT[];
constexpr const char ItemType::TYPE_FAVORITE[];
constexpr const char ItemType::TYPE_CONTACT[];
constexpr const char ItemType::HEADER_NONE[];
constexpr const char ItemType::HEADER_TODAY[];
constexpr const char ItemType::HEADER_WEEK[];
constexpr const char ItemType::HEADER_MONTH[];
constexpr const char ItemType::HEADER_EARLIER[];
constexpr const char ItemType::HEADER_CONTACT[];
constexpr const char ItemType::HEADER_FAVORITE[];
constexpr const char ItemType::HEADER_RECENT[];
constexpr const char ItemType::HEADER_MYPLACES[];
constexpr const char ItemType::HEADER_REMOTEPLACES[];
constexpr const char ItemType::HEADER_SUGGESTION[];
constexpr const char ItemType::HEADER_RECENTSEARCH[];
constexpr const char ItemType::HEADER_ADDRESS[];
constexpr const char ItemType::HEADER_POI[];
constexpr const char ItemType::HEADER_SPELLED_ALIKE[];
constexpr const char ItemType::FOOTER_MORE_NONE[];
constexpr const char ItemType::FOOTER_MORE_MYPLACES[];
constexpr const char ItemType::FOOTER_MORE_SUGGESTION[];
constexpr const char ItemType::FOOTER_MORE_REMOTEPLACES[];
constexpr const char ItemType::FOOTER_COLLAPSE[];

bool ItemType::isHeader(const QString &type)
{
    static const QString prefix = QStringLiteral("HEADER_");
    return type.startsWith(prefix);
}

bool ItemType::isFooter(const QString &type)
{
    static const QString prefix = QStringLiteral("FOOTER_");
    return type.startsWith(prefix);
}

bool ItemType::isListItem(const QString &type)
{
    static const QString prefix = QStringLiteral("TYPE_");
    static const QString none = QStringLiteral("NONE");
    return type.startsWith(prefix) && type.midRef(prefix.size()) != none;
}

bool ItemType::isUpdatable(const QString &type)
{
    static const QString prefix = QStringLiteral("TYPE_W_");
    return type.startsWith(prefix);
}

FilterCategory::Type ItemType::getFilter(const QString &type)
{
    if (type == QLatin1String(TYPE_MYPLACES) || type == QLatin1String(FOOTER_MORE_MYPLACES))
        return FilterCategory::MyPlaces;
    if (type == QLatin1String(TYPE_SUGGESTION) || type == QLatin1String(FOOTER_MORE_SUGGESTION))
        return FilterCategory::Suggestions;
    if (type == QLatin1String(TYPE_REMOTEPLACES) || type == QLatin1String(FOOTER_MORE_REMOTEPLACES))
        return FilterCategory::RemotePlaces;
    return FilterCategory::None;
}

} // namespace places
} // namespace trellan
} // namespace hx
