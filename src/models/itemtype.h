#ifndef HX_TRELLAN_PLACES_ITEMTYPE_H
#define HX_TRELLAN_PLACES_ITEMTYPE_H

#include <hx/trellan/places/filtercategory.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QString>

namespace hx {
namespace trellan {
namespace places {

// The row keys of every place list: list items ("TYPE_"), section headers ("HEADER_") and
// footers ("FOOTER_"). Row controls, header titles and refresh decisions are all chosen by key.
class HXPLACES_EXPORT ItemType
{
public:
    ItemType() = delete;

    static constexpr const char TYPE_NONE[] = "TYPE_NONE";
    static constexpr const char TYPE_MYPLACES[] = "TYPE_MYPLACES";
    static constexpr const char TYPE_SUGGESTION[] = "TYPE_SUGGESTION";
    static constexpr const char TYPE_REMOTEPLACES[] = "TYPE_REMOTEPLACES";
    static constexpr const char TYPE_POICATEGORY[] = "TYPE_POICATEGORY";
    static constexpr const char TYPE_RECENTSEARCH[] = "TYPE_RECENTSEARCH";
    static constexpr const char TYPE_POI[] = "TYPE_POI";
    static constexpr const char TYPE_ADDRESS[] = "TYPE_ADDRESS";
    // "W_" marks the rows that are reloaded from the store when they change (isUpdatable).
    static constexpr const char TYPE_RECENT[] = "TYPE_W_RECENT";
    static constexpr const char TYPE_FAVORITE[] = "TYPE_W_FAVORITE";
    static constexpr const char TYPE_CONTACT[] = "TYPE_W_CONTACT";

    static constexpr const char HEADER_NONE[] = "HEADER_NONE";
    static constexpr const char HEADER_TODAY[] = "HEADER_TODAY";
    static constexpr const char HEADER_WEEK[] = "HEADER_WEEK";
    static constexpr const char HEADER_MONTH[] = "HEADER_MONTH";
    static constexpr const char HEADER_EARLIER[] = "HEADER_EARLIER";
    static constexpr const char HEADER_CONTACT[] = "HEADER_CONTACT";
    static constexpr const char HEADER_FAVORITE[] = "HEADER_FAVORITE";
    static constexpr const char HEADER_RECENT[] = "HEADER_RECENT";
    static constexpr const char HEADER_MYPLACES[] = "HEADER_MYPLACES";
    static constexpr const char HEADER_REMOTEPLACES[] = "HEADER_REMOTEPLACES";
    static constexpr const char HEADER_SUGGESTION[] = "HEADER_SUGGESTION";
    static constexpr const char HEADER_RECENTSEARCH[] = "HEADER_RECENTSEARCH";
    static constexpr const char HEADER_ADDRESS[] = "HEADER_ADDRESS";
    static constexpr const char HEADER_POI[] = "HEADER_POI";
    // Suggestions found with a typing mistake of the text corrected.
    static constexpr const char HEADER_SPELLED_ALIKE[] = "HEADER_SPELLED_ALIKE";

    static constexpr const char FOOTER_MORE_NONE[] = "FOOTER_MORE_NONE";
    static constexpr const char FOOTER_MORE_MYPLACES[] = "FOOTER_MORE_MYPLACES";
    static constexpr const char FOOTER_MORE_SUGGESTION[] = "FOOTER_MORE_SUGGESTION";
    static constexpr const char FOOTER_MORE_REMOTEPLACES[] = "FOOTER_MORE_REMOTEPLACES";
    static constexpr const char FOOTER_COLLAPSE[] = "FOOTER_COLLAPSE";

    static bool isHeader(const QString &type);
    static bool isFooter(const QString &type);
    // A place row: "TYPE_" followed by anything but "NONE".
    static bool isListItem(const QString &type);
    static bool isUpdatable(const QString &type);
    // The category a row or footer key expands into; None for keys that open nothing.
    static FilterCategory::Type getFilter(const QString &type);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
