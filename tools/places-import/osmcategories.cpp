#include "osmcategories.h"

#include <QtCore/QHash>

namespace {
// Keys in the order they decide; with the code for a value the table does not list.
struct Key
{
    const char *name;
    const char *otherwise;
};
constexpr Key Keys[] = { { "amenity", "" }, { "shop", "AKF" }, { "tourism", "ALF" }, { "leisure", "AB" } };

const QHash<QString, QString> &table()
{
    static const QHash<QString, QString> codes = {
        // Restaurants and food
        { "amenity=restaurant", "AE" },
        { "amenity=fast_food", "AEF" },
        { "amenity=cafe", "AEE" },
        { "amenity=bar", "AEC" },
        { "amenity=pub", "AEOB" },
        { "amenity=biergarten", "AEOB" },
        { "amenity=food_court", "AE" },
        { "amenity=ice_cream", "AE" },
        // Automotive
        { "amenity=fuel", "ACC" },
        { "amenity=charging_station", "ACP" },
        { "amenity=car_wash", "ACJ" },
        { "shop=car", "ACB" },
        { "shop=car_parts", "ACE" },
        { "shop=car_repair", "ACF" },
        { "shop=tyres", "ACH" },
        { "shop=motorcycle", "ACL" },
        // Banks
        { "amenity=bank", "AAB" },
        { "amenity=atm", "AAA" },
        { "amenity=bureau_de_change", "AAC" },
        // Health care
        { "amenity=pharmacy", "ANC" },
        { "shop=chemist", "ANC" },
        { "amenity=hospital", "ANB" },
        { "amenity=clinic", "ANH" },
        { "amenity=doctors", "ANE" },
        { "amenity=dentist", "ANA" },
        { "amenity=nursing_home", "ANG" },
        // Public offices
        { "amenity=courthouse", "AFA" },
        { "amenity=library", "AFB" },
        { "amenity=police", "AFC" },
        { "amenity=post_office", "AFD" },
        { "amenity=school", "AFE" },
        { "amenity=college", "AFF" },
        { "amenity=university", "AFF" },
        { "amenity=fire_station", "AFG" },
        // Entertainment
        { "amenity=nightclub", "ABM" },
        { "amenity=casino", "ABB" },
        { "amenity=cinema", "ABE" },
        { "amenity=theatre", "ABS" },
        { "amenity=arts_centre", "ABS" },
        { "amenity=conference_centre", "ABC" },
        { "tourism=museum", "ABF" },
        { "tourism=gallery", "ABF" },
        { "tourism=zoo", "ABQ" },
        { "tourism=aquarium", "ABAC" },
        { "tourism=theme_park", "ABN" },
        { "leisure=park", "ABP" },
        { "leisure=golf_course", "ABD" },
        { "leisure=stadium", "ABR" },
        { "leisure=bowling_alley", "ABT" },
        { "leisure=marina", "ABW" },
        { "leisure=ice_rink", "ABY" },
        { "leisure=water_park", "ABN" },
        { "leisure=amusement_arcade", "ABO" },
        { "leisure=fishing", "ABU" },
        // Lodging
        { "tourism=hotel", "AHC" },
        { "tourism=motel", "AHC" },
        { "tourism=hostel", "AHC" },
        { "tourism=guest_house", "AHA" },
        { "tourism=camp_site", "AHB" },
        { "tourism=caravan_site", "AHF" },
        { "tourism=chalet", "AHH" },
        { "tourism=apartment", "AHH" },
        // Shopping
        { "shop=supermarket", "AKD" },
        { "shop=convenience", "AKB" },
        { "shop=department_store", "AKC" },
        { "shop=mall", "AKH" },
        { "shop=clothes", "AKI" },
        { "shop=books", "AKA" },
        { "shop=florist", "AKL" },
        { "shop=hardware", "AKN" },
        { "shop=doityourself", "AKN" },
        { "shop=alcohol", "AKO" },
        { "shop=wine", "AKO" },
        { "shop=variety_store", "AKP" },
        { "shop=music", "AKQ" },
        { "shop=newsagent", "AKR" },
        { "shop=garden_centre", "AKS" },
        { "shop=furniture", "AKT" },
        { "shop=sports", "AKG" },
        { "shop=antiques", "AKK" },
        { "shop=general", "AKM" },
        { "shop=bakery", "AKJ" },
        { "shop=butcher", "AKJ" },
        { "shop=greengrocer", "AKJ" },
        { "amenity=marketplace", "AKJ" },
        // Personal services
        { "shop=hairdresser", "AIJ" },
        { "shop=beauty", "AIK" },
        { "shop=laundry", "AIY" },
        { "shop=dry_cleaning", "AIF" },
        { "shop=copyshop", "AIB" },
        { "amenity=place_of_worship", "AII" },
        // Travel
        { "amenity=bus_station", "ALB" },
        { "amenity=car_rental", "ALC" },
        { "amenity=parking", "ALE" },
        { "amenity=taxi", "ALK" },
        { "amenity=ferry_terminal", "ALN" },
        { "shop=travel_agency", "ALM" },
        { "tourism=attraction", "ALF" },
        { "tourism=information", "ALG" },
        { "tourism=viewpoint", "ALP" },
        { "tourism=artwork", "ALP" },
    };
    return codes;
}
} // namespace

bool OsmCategories::isPointOfInterest(const TagValue &tag)
{
    for (const Key &key : Keys) {
        if (tag(key.name))
            return true;
    }
    return false;
}

QString OsmCategories::categoryOf(const TagValue &tag)
{
    for (const Key &key : Keys) {
        const char *value = tag(key.name);
        if (!value)
            continue;
        const QString code = table().value(QLatin1String(key.name) + QLatin1Char('=') + QString::fromUtf8(value));
        if (!code.isEmpty())
            return code;
    }
    for (const Key &key : Keys) {
        if (tag(key.name) && *key.otherwise)
            return QLatin1String(key.otherwise);
    }
    return QString();
}
