#ifndef HX_TOOLS_OSMCATEGORIES_H
#define HX_TOOLS_OSMCATEGORIES_H

#include <QtCore/QString>

#include <functional>

// The one table from OpenStreetMap tags to point-of-interest category codes.
class OsmCategories
{
public:
    // The value of a tag key, or null when the element has no such tag.
    using TagValue = std::function<const char *(const char *key)>;

    // Whether an element with these tags is a point of interest at all: it has an amenity,
    // shop, tourism or leisure tag.
    static bool isPointOfInterest(const TagValue &tag);
    // Its category code: the first of amenity, shop, tourism and leisure that the table knows;
    // a shop, tourism or leisure value it does not know gets its group's code; empty when
    // nothing fits.
    static QString categoryOf(const TagValue &tag);
};

#endif
