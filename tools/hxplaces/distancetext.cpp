#include "distancetext.h"

#include <hx/trellan/places/placeutils.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QtNumeric>

QString DistanceText::format(double metres)
{
    if (qIsNaN(metres) || metres < 0)
        return QString();
    // [unit code, value text]; the unit codes index these labels.
    static const char *const units[] = { QT_TRANSLATE_NOOP("Places", "m"), QT_TRANSLATE_NOOP("Places", "km"),
                                         QT_TRANSLATE_NOOP("Places", "ft"), QT_TRANSLATE_NOOP("Places", "mi") };
    const QList<QVariant> info = hx::trellan::places::PlaceUtils::distanceInfo(metres);
    const int unit = info.value(0).toInt();
    if (unit < 0 || unit > 3)
        return QString();
    return info.value(1).toString() + QLatin1Char(' ') + QCoreApplication::translate("Places", units[unit]);
}
