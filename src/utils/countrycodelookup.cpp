#include <hx/trellan/places/countrycodelookup.h>

#include <cstring>

#include "countrycodelookup_p.h"

namespace hx {
namespace trellan {
namespace places {

namespace {

const countrytable::CountryCodes *find(const char *name)
{
    if (!name)
        return nullptr;
    int low = 0;
    int high = countrytable::keyCount - 1;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        const countrytable::CountryKey &entry = countrytable::keys[middle];
        const int order = std::strcmp(entry.key, name);
        if (order == 0) {
            if (entry.index < 0 || entry.index >= countrytable::codeCount)
                return nullptr;
            return &countrytable::codes[entry.index];
        }
        if (order < 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return nullptr;
}

} // namespace

const char *CountryCodeLookup::getAlpha3(const char *name)
{
    const countrytable::CountryCodes *codes = find(name);
    return codes ? codes->alpha3 : nullptr;
}

const char *CountryCodeLookup::getAlpha2(const char *name)
{
    const countrytable::CountryCodes *codes = find(name);
    return codes ? codes->alpha2 : nullptr;
}

} // namespace places
} // namespace trellan
} // namespace hx
