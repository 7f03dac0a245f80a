#include "localityfile.h"

#include <protozero/exception.hpp>
#include <protozero/pbf_reader.hpp>
#include <protozero/varint.hpp>

namespace {
enum Field {
    GeonameId = 1,
    Name = 2,
    CountryCode = 3,
    FeatureCode = 7,
    AdminCode = 8,
    Population = 9,
    LongitudeDelta = 10,
    LatitudeDelta = 11
};

constexpr double Scale = 1e5;

QString textOf(protozero::pbf_reader &reader)
{
    const protozero::data_view view = reader.get_view();
    return QString::fromUtf8(view.data(), int(view.size()));
}

struct Position
{
    qint64 latitude = 0;
    qint64 longitude = 0;
};

LocalityRecord decode(protozero::pbf_reader message, Position *position)
{
    LocalityRecord record;
    while (message.next()) {
        switch (message.tag()) {
        case GeonameId:
            record.geonameId = message.get_sint64();
            break;
        case Name:
            record.name = textOf(message);
            break;
        case CountryCode:
            record.countryCode = textOf(message);
            break;
        case FeatureCode:
            record.featureCode = textOf(message);
            break;
        case AdminCode:
            record.adminCode = textOf(message);
            break;
        case Population:
            record.population = qint64(message.get_uint64());
            break;
        case LongitudeDelta:
            position->longitude += message.get_sint64();
            break;
        case LatitudeDelta:
            position->latitude += message.get_sint64();
            break;
        default:
            message.skip();
        }
    }
    record.latitude = double(position->latitude) / Scale;
    record.longitude = double(position->longitude) / Scale;
    return record;
}
} // namespace

bool LocalityFile::read(const QByteArray &data, const Sink &sink, QString *error)
{
    const char *cursor = data.constData();
    const char *const end = cursor + data.size();
    Position position;
    qint64 number = 0;
    // protozero reports damage by exception; it stops here and becomes an error value.
    try {
        while (cursor < end) {
            ++number;
            const auto length = protozero::decode_varint(&cursor, end);
            if (length > quint64(end - cursor)) {
                *error = QStringLiteral("record %1: cut short").arg(number);
                return false;
            }
            const LocalityRecord record = decode(protozero::pbf_reader(cursor, std::size_t(length)), &position);
            cursor += length;
            sink(record);
        }
    } catch (const protozero::exception &exception) {
        *error = QStringLiteral("record %1: %2").arg(number).arg(QString::fromUtf8(exception.what()));
        return false;
    }
    return true;
}
