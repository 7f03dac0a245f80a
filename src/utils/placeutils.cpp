#include <hx/trellan/places/placeutils.h>

#include <QtCore/QDate>

#include <cmath>

namespace hx {
namespace trellan {
namespace places {

const QRegExp PlaceUtils::emailRegExp(QStringLiteral("\\b[A-Za-z0-9._%+-]+@[A-Za-z0-9.-]+\\.[A-Za-z]{2,4}\\b"),
                                      Qt::CaseSensitive, QRegExp::RegExp);

// The base folder's values, in force until init() reads the device's document.
float PlaceUtils::MAP_IMAGE_HEIGHT = 42.0f;
float PlaceUtils::PICTURE_WIDTH = 29.0f;
float PlaceUtils::PICTURE_HEIGHT = 29.0f;
QVariantMap PlaceUtils::SUB_CATEGORIES;
bool PlaceUtils::LAYOUT_DEBUG = false;

double PlaceUtils::distance(double latitude1, double longitude1, double latitude2, double longitude2)
{
    // Mean earth radius; the factor turns degrees into radians.
    const double radius = 6371009.0;
    const double toRadians = 0.017453292519943295;
    const double phi1 = latitude1 * toRadians;
    const double phi2 = latitude2 * toRadians;
    const double halfDeltaPhi = (latitude2 - latitude1) * toRadians / 2;
    const double halfDeltaLambda = (longitude2 - longitude1) * toRadians / 2;
    const double a = std::sin(halfDeltaPhi) * std::sin(halfDeltaPhi)
        + std::cos(phi1) * std::cos(phi2) * std::sin(halfDeltaLambda) * std::sin(halfDeltaLambda);
    return 2 * std::atan2(std::sqrt(a), std::sqrt(1 - a)) * radius;
}

// QDate::startOfDay gives the first valid local time of the day: 00:00:00, or the first moment
// after a midnight skipped by a daylight-saving change, where a plain 00:00 would be invalid.
QDateTime PlaceUtils::endOfYesterday(const QDateTime &now)
{
    return now.date().addDays(-1).startOfDay(Qt::LocalTime);
}

QDateTime PlaceUtils::endOfLastWeek(const QDateTime &now)
{
    const QDate date = now.date();
    return date.addDays(-date.dayOfWeek()).startOfDay(Qt::LocalTime);
}

QDateTime PlaceUtils::endOfLastMonth(const QDateTime &now)
{
    const QDate date = now.date();
    return date.addDays(-date.day()).startOfDay(Qt::LocalTime);
}

} // namespace places
} // namespace trellan
} // namespace hx
