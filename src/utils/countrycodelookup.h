#ifndef HX_TRELLAN_PLACES_COUNTRYCODELOOKUP_H
#define HX_TRELLAN_PLACES_COUNTRYCODELOOKUP_H

#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
namespace places {

// ISO 3166-1 codes of a country from its name, a common short form or its alpha-3 code. Keys
// are upper-case UTF-8 texts compared byte for byte, so callers trim and upper-case first.
class HXPLACES_EXPORT CountryCodeLookup
{
public:
    CountryCodeLookup() = delete;

    // The alpha-3 code, or null when the name is not in the table. The empty name gives "".
    static const char *getAlpha3(const char *name);
    // The alpha-2 code, or null when the name is not in the table. The empty name gives "".
    static const char *getAlpha2(const char *name);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
