#include <hx/msgclient/reversegeocoder.h>

#include <hx/platform/places/gazetteer.h>
#include <hx/pps/ppsencoder.h>

#include <QtCore/QStringList>

#include <limits>

namespace hx {
namespace msgclient {

using platform::places::Gazetteer;
using platform::places::GazetteerEntry;
using platform::places::GazetteerStreet;

namespace {

struct Candidate
{
    QString name;
    QString street;
    QString city;
    QString region;
    QString country;
    QString postalCode;
    double latitude;
    double longitude;
    int zoom;
};

QString joined(const QStringList &parts)
{
    QStringList kept;
    for (const QString &part : parts) {
        if (!part.trimmed().isEmpty())
            kept << part.trimmed();
    }
    return kept.join(QStringLiteral(", "));
}

// The locality an entry lies in, from its own fields: a locality names itself.
QString cityOf(const GazetteerEntry &entry)
{
    return entry.kind == GazetteerEntry::Locality ? entry.name : entry.city;
}

Candidate addressCandidate(const GazetteerEntry &a, const GazetteerEntry &place)
{
    const QString city = a.city.isEmpty() ? cityOf(place) : a.city;
    const QString region = a.region.isEmpty() ? place.region : a.region;
    const QString country = a.country.isEmpty() ? place.country : a.country;
    const QString street = a.street.isEmpty() ? a.name : a.street;
    return { joined({ street, city, region, a.postalCode, country }),
             street,
             city,
             region,
             country,
             a.postalCode,
             a.latitude,
             a.longitude,
             17 };
}

Candidate streetCandidate(const GazetteerStreet &s, const GazetteerEntry &place)
{
    const QString city = s.city.isEmpty() ? cityOf(place) : s.city;
    return { joined({ s.name, city, place.region, place.country }),
             s.name,
             city,
             place.region,
             place.country,
             QString(),
             s.latitude,
             s.longitude,
             16 };
}

template<typename Lookup, typename StreetLookup>
QList<Candidate> candidatesFor(const RevGeoRequest &request, const Lookup &lookup, const StreetLookup &streets)
{
    QList<Candidate> result;
    const bool wantsAddress = request.boundary == RevGeoRequest::Address || request.boundary == RevGeoRequest::Postal;
    const auto localities = lookup(request.latitude, request.longitude, GazetteerEntry::Locality, 1,
                                   std::numeric_limits<double>::infinity());
    GazetteerEntry place = localities.value(0);
    if (wantsAddress) {
        const auto addresses = lookup(request.latitude, request.longitude, GazetteerEntry::Address, 1,
                                      ReverseGeocoder::MaxAddressMetres);
        const bool hasAddress
            = !addresses.isEmpty() && !(addresses.first().distanceMetres > ReverseGeocoder::MaxAddressMetres);
        // A house beside the position names it best; else the street the position lies on.
        const GazetteerStreet street = hasAddress && addresses.first().distanceMetres <= ReverseGeocoder::HouseMetres
            ? GazetteerStreet()
            : streets(request.latitude, request.longitude, ReverseGeocoder::MaxStreetMetres);
        if (street.isValid()) {
            result.append(streetCandidate(street, place));
        } else if (hasAddress) {
            result.append(addressCandidate(addresses.first(), place));
        } else if (!localities.isEmpty()) {
            const auto sections = lookup(request.latitude, request.longitude, GazetteerEntry::Neighbourhood, 1,
                                         ReverseGeocoder::MaxNeighbourhoodMetres);
            const GazetteerEntry section = sections.value(0);
            // Only a section of the town named below: one of a town across a border says nothing here.
            if (!sections.isEmpty() && !(section.distanceMetres > ReverseGeocoder::MaxNeighbourhoodMetres)
                && section.city == place.name) {
                result.append({ joined({ section.name, place.name, place.region, place.country }), QString(),
                                place.name, place.region, place.country, QString(), section.latitude, section.longitude,
                                14 });
            }
        }
    }
    if (localities.isEmpty())
        return result;
    // Region and country come from the nearest locality: the nearest region or country centre
    // may well lie across a border.
    if (request.boundary == RevGeoRequest::Address || request.boundary == RevGeoRequest::Postal
        || request.boundary == RevGeoRequest::City) {
        result.append({ joined({ place.name, place.region, place.country }), QString(), place.name, place.region,
                        place.country, QString(), place.latitude, place.longitude, 12 });
    }
    if (request.boundary != RevGeoRequest::Country && request.boundary != RevGeoRequest::Mcc
        && request.boundary != RevGeoRequest::Timezone && !place.region.isEmpty()) {
        result.append({ joined({ place.region, place.country }), QString(), QString(), place.region, place.country,
                        QString(), place.latitude, place.longitude, 7 });
    }
    if (!place.country.isEmpty()) {
        result.append({ place.country, QString(), QString(), QString(), place.country, QString(), place.latitude,
                        place.longitude, 4 });
    }
    return result;
}

void addText(pps_encoder_t *encoder, const char *name, const QString &value)
{
    pps_encoder_add_string(encoder, name, value.toUtf8().constData());
}

} // namespace

ReverseGeocoder::ReverseGeocoder(const QString &gazetteerPath)
{
    auto gazetteer = std::make_shared<Gazetteer>(gazetteerPath);
    if (gazetteer->isOpen()) {
        m_lookup = [raw = gazetteer.get()](double latitude, double longitude, int kinds, int limit, double maxMetres) {
            return raw->nearest(latitude, longitude, kinds, limit, maxMetres);
        };
        m_streets = [raw = gazetteer.get()](double latitude, double longitude, double maxMetres) {
            return raw->nearestStreet(latitude, longitude, maxMetres);
        };
    }
    m_gazetteer = gazetteer;
}

ReverseGeocoder::ReverseGeocoder(const Lookup &lookup)
{
    // A plain lookup answers without a bound; what lies too far is dropped after.
    if (lookup) {
        m_lookup = [lookup](double latitude, double longitude, int kinds, int limit, double) {
            return lookup(latitude, longitude, kinds, limit);
        };
    }
}

void ReverseGeocoder::preload() const
{
    if (m_gazetteer && m_lookup)
        static_cast<const Gazetteer *>(m_gazetteer.get())->preloadNearestIndex();
}

QByteArray ReverseGeocoder::answer(const QByteArray &request) const
{
    return answer(RevGeoRequest::parse(request));
}

QByteArray ReverseGeocoder::answer(const RevGeoRequest &request) const
{
    if (!request.isValid())
        return errorReply(request.error);
    if (!m_lookup)
        return errorReply(QStringLiteral("gazetteer unavailable"));
    pps_encoder_t encoder;
    pps_encoder_initialize(&encoder, true);
    pps_encoder_start_object(&encoder, nullptr);
    pps_encoder_start_array(&encoder, "response");
    const auto streets = [this](double latitude, double longitude, double maxMetres) {
        return m_streets ? m_streets(latitude, longitude, maxMetres) : GazetteerStreet();
    };
    for (const Candidate &candidate : candidatesFor(request, m_lookup, streets)) {
        pps_encoder_start_object(&encoder, nullptr);
        addText(&encoder, "name", candidate.name);
        addText(&encoder, "street", candidate.street);
        addText(&encoder, "city", candidate.city);
        addText(&encoder, "region", candidate.region);
        addText(&encoder, "country", candidate.country);
        addText(&encoder, "postal_code", candidate.postalCode);
        pps_encoder_add_double(&encoder, "lat", candidate.latitude);
        pps_encoder_add_double(&encoder, "lon", candidate.longitude);
        pps_encoder_add_int(&encoder, "zoom", candidate.zoom);
        pps_encoder_add_int(&encoder, "merit", -1);
        pps_encoder_end_object(&encoder);
    }
    pps_encoder_end_array(&encoder);
    pps_encoder_end_object(&encoder);
    const char *text = pps_encoder_buffer(&encoder);
    const QByteArray reply = text ? QByteArray(text, int(pps_encoder_length(&encoder)))
                                  : errorReply(QStringLiteral("gazetteer entry without coordinates"));
    pps_encoder_cleanup(&encoder);
    return reply;
}

QByteArray ReverseGeocoder::errorReply(const QString &reason)
{
    pps_encoder_t encoder;
    pps_encoder_initialize(&encoder, true);
    pps_encoder_start_object(&encoder, nullptr);
    pps_encoder_start_array(&encoder, "response");
    pps_encoder_end_array(&encoder);
    addText(&encoder, "error", reason);
    pps_encoder_end_object(&encoder);
    const QByteArray reply(pps_encoder_buffer(&encoder), int(pps_encoder_length(&encoder)));
    pps_encoder_cleanup(&encoder);
    return reply;
}

} // namespace msgclient
} // namespace hx
