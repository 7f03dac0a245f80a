#ifndef HX_TRELLAN_PLACES_COUNTRYCODELOOKUP_P_H
#define HX_TRELLAN_PLACES_COUNTRYCODELOOKUP_P_H

namespace hx {
namespace trellan {
namespace places {
namespace countrytable {

struct CountryCodes
{
    const char *alpha3;
    const char *alpha2;
};

struct CountryKey
{
    const char *key;
    int index;
};

// Generated at build time (countrycodetable.cpp): the codes by index, and the keys sorted by
// their bytes so that a binary search with strcmp finds them.
extern const int codeCount;
extern const int keyCount;
extern const CountryCodes codes[];
extern const CountryKey keys[];

} // namespace countrytable
} // namespace places
} // namespace trellan
} // namespace hx

#endif
