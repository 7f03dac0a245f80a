#include "distancetext.h"

#include <QtCore/QLocale>
#include <QtCore/QtNumeric>

QString DistanceText::format(double metres)
{
    return format(metres, QLocale().measurementSystem() != QLocale::MetricSystem);
}

QString DistanceText::format(double metres, bool imperial)
{
    if (qIsNaN(metres) || metres < 0)
        return QString();
    if (imperial) {
        const double feet = metres / 0.3048;
        // Below a tenth of a mile, feet read better than 0.0 mi.
        if (feet < 528)
            return QStringLiteral("%1 ft").arg(qRound(feet));
        return QStringLiteral("%1 mi").arg(metres / 1609.344, 0, 'f', 1);
    }
    if (metres < 1000)
        return QStringLiteral("%1 m").arg(qRound(metres));
    return QStringLiteral("%1 km").arg(metres / 1000.0, 0, 'f', metres < 10000 ? 1 : 0);
}
