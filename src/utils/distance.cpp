#include <hx/trellan/places/distance.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QtMath>
#include <hx/trellan/color.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/placeutils.h>

#include "distance_p.h"

namespace hx {
namespace trellan {
namespace places {

namespace {

// Indexed by the unit code of PlaceUtils::distanceInfo().
const char *const unitLabels[] = { QT_TRANSLATE_NOOP("Places", "m"), QT_TRANSLATE_NOOP("Places", "km"),
                                   QT_TRANSLATE_NOOP("Places", "ft"), QT_TRANSLATE_NOOP("Places", "mi") };

QString unitLabel(int code)
{
    if (code < 0 || code >= int(sizeof(unitLabels) / sizeof(unitLabels[0])))
        return QString();
    return QCoreApplication::translate("Places", unitLabels[code]);
}

} // namespace

Distance::Distance() : UnitOfMeasureRetrans(true), PickerRetrans(true), d(new DistancePrivate)
{
    build(getDefaultTextStyle());
}

Distance::Distance(const hx::trellan::TextStyle &style)
    : UnitOfMeasureRetrans(true), PickerRetrans(true), d(new DistancePrivate)
{
    build(style);
}

Distance::~Distance() = default;

void Distance::build(const hx::trellan::TextStyle &style)
{
    d->label = new hx::trellan::Label;
    d->label->setObjectName(QStringLiteral("Distance"));
    d->label->setHorizontalAlignment(1);
    d->label->setVerticalAlignment(2);
    d->label->setTextStyle(style);
    add(d->label);
    setVisible(false);
    if (PlaceUtils::LAYOUT_DEBUG)
        setBackground(hx::trellan::Color::Red);
}

hx::trellan::TextStyle Distance::getDefaultTextStyle()
{
    hx::trellan::TextStyle style = hx::trellan::SystemDefaults::TextStyles::bodyText();
    style.setColor(PlaceUtils::DISTANCE_TEXT_COLOR);
    style.setFontSize(80);
    style.setFontWeight(1);
    return style;
}

double Distance::distance() const
{
    return d->metres;
}

void Distance::setDistance(double metres)
{
    d->metres = metres;
    retranslateUI();
    setVisible(true);
}

void Distance::setDistance(const hx::platform::places::Coordinates &from, const hx::platform::places::Coordinates &to)
{
    if (!from.isValid() || !to.isValid()) {
        setVisible(false);
        return;
    }
    setDistance(PlaceUtils::distance(from.latitude(), from.longitude(), to.latitude(), to.longitude()));
    emit locationValid();
}

void Distance::setDistance(const hx::platform::places::Coordinates &place)
{
    const CurrentCoordinate *position = GetGeolocation::getCoordinate(PlaceUtils::genericRequest);
    // The state first: a reader that sees Valid also sees that fix's values.
    const bool known = position->state() == CurrentCoordinate::Valid;
    const SelectorCoordinate fix = position->value();
    if (!known || qIsNaN(fix.latitude()) || qIsNaN(fix.longitude()) || !place.isValid()) {
        setVisible(false);
        return;
    }
    setDistance(PlaceUtils::distance(fix.latitude(), fix.longitude(), place.latitude(), place.longitude()));
    emit locationValid();
}

void Distance::onLocationChanged(hx::platform::places::Coordinates place)
{
    setDistance(place);
}

void Distance::setTopNudge(float nudge)
{
    setTopPadding(nudge);
}

void Distance::retranslateUI()
{
    const QList<QVariant> info = PlaceUtils::distanceInfo(d->metres);
    d->label->setText(info.value(1).toString() + QLatin1Char(' ') + unitLabel(info.value(0).toInt()));
}

void Distance::retransUnitOfMeasurement()
{
    setDistance(d->metres);
}

} // namespace places
} // namespace trellan
} // namespace hx
