#include <hx/trellan/places/getuom.h>

#include "statusobject_p.h"

#include <cstring>
#include <strings.h>

namespace hx {
namespace trellan {
namespace places {

namespace {

// Any case-insensitive prefix of the word counts, the empty text included.
bool isPrefixOf(const char *value, const char *word)
{
    return strncasecmp(value, word, std::strlen(value)) == 0;
}

QList<QVariant> entry(int unit, double value, int decimals)
{
    return { unit, QString::number(value, 'f', decimals) };
}

QList<QVariant> inLargeUnit(int unit, double value)
{
    return entry(unit, value, GetUOM::precision(value));
}

} // namespace

GetUOM::GetUOM() = default;
GetUOM::~GetUOM() = default;

int GetUOM::getUnitOfMeasurement()
{
    StatusObject object("/pps/services/locale/uom", "getUnitOfMeasurement open pps/services/locale/uom: ");
    if (!object.enter())
        return Other;
    const char *uom = nullptr;
    if (pps_decoder_get_string(object.decoder(), "uom", &uom) != PPS_DECODER_OK || !uom)
        return Other;
    if (isPrefixOf(uom, "metric"))
        return Metric;
    const char *subuom = nullptr;
    if (pps_decoder_get_string(object.decoder(), "subuom", &subuom) == PPS_DECODER_OK && subuom
        && isPrefixOf(subuom, "yards/miles"))
        return YardsMiles;
    return Other;
}

QList<QVariant> GetUOM::distanceInfo(double metres)
{
    return distanceInfo(metres, getUnitOfMeasurement());
}

QList<QVariant> GetUOM::distanceInfo(double metres, int unitOfMeasurement)
{
    switch (unitOfMeasurement) {
    case Metric:
        if (metres < 1000)
            return entry(Metres, metres, 0);
        return inLargeUnit(Kilometres, metres * 0.001);
    case YardsMiles:
        return inLargeUnit(Miles, metres * 0.0006213711922373339);
    default: {
        const double feet = metres * 3.2808398950131235;
        if (feet < 1000)
            return entry(Feet, feet, 0);
        return inLargeUnit(Miles, feet * 0.0001893939393939394);
    }
    }
}

int GetUOM::precision(double value)
{
    return value < 100 ? 1 : 0;
}

} // namespace places
} // namespace trellan
} // namespace hx
