#include "reviewsscreen.h"
#include "translatedtitle.h"

#include <hx/platform/places/placemanager.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/ratingdetails.h>
#include <hx/trellan/places/ratingproviderutils.h>
#include <hx/trellan/titlebar.h>

#include <QtCore/QSharedPointer>

using namespace hx::platform::places;
using namespace hx::trellan;
using namespace hx::trellan::places;

ReviewsScreen::ReviewsScreen(QObject *parent) : Page(parent)
{
    setObjectName(QStringLiteral("ReviewsScreen"));
    auto *bar = new TitleBar;
    setTranslatedTitle(bar, QT_TRANSLATE_NOOP("Places", "Reviews"));
    setTitleBar(bar);
}

bool ReviewsScreen::open(qint64 placeId, QString *message)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    QSharedPointer<Place> place(manager.getPlace(placeId, error));
    if (!place) {
        *message = QStringLiteral("no stored place with id %1 (store error %2)").arg(placeId).arg(int(error));
        return false;
    }
    setContent(new Label(place->name()));
    const PointOfInterestAuxiliaryData poi = RatingProviderUtils::getPointOfInterestAuxiliaryData(
        place->auxiliaryData(), RatingProviderUtils::YELP_PROVIDER_NAME);
    auto *details = new RatingDetails(place, poi, this);
    details->open();
    return true;
}
