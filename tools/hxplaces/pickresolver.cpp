#include "pickresolver.h"

#include <hx/trellan/places/geocodinghandler.h>
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/selectedplace.h>
#include <hx/trellan/places/threadgeocode.h>
#include <records/selectedplace_p.h>

#include <QtCore/QEventLoop>
#include <QtCore/QScopedPointer>
#include <QtCore/QTimer>

using namespace hx::platform::places;
using hx::trellan::places::GeocodingHandler;
using hx::trellan::places::PlaceManagerUI;
using hx::trellan::places::ThreadGeocode;

QSharedPointer<Place> PickResolver::resolve(const QSharedPointer<AbstractPlace> &row, bool interactive,
                                            Error::Type *error)
{
    *error = Error::None;
    QSharedPointer<Place> place = PlaceManagerUI::convertToPlace(row);
    if (place.isNull()) {
        *error = Error::NotFound;
        return place;
    }
    // Copy before changing it: the row's record may be shared with the list on screen.
    place = QSharedPointer<Place>::create(*place);
    if (place->locationCount() > 0 && !place->location(0).coordinates().isValid() && !geocode(*place, interactive))
        return QSharedPointer<Place>();
    *error = PlaceManagerUI::savePickedPlace(place, interactive);
    return place;
}

bool PickResolver::geocode(Place &place, bool interactive)
{
    const Location first = place.location(0);
    QList<Location> found;
    bool cancelled = false;
    QEventLoop loop;
    // The geocoder answers from its own thread; a minute is far beyond any answer.
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    if (interactive) {
        GeocodingHandler handler;
        QObject::connect(&handler, &GeocodingHandler::finished, &loop, [&](QList<Location> list, bool userCancelled) {
            found = list;
            cancelled = userCancelled;
            loop.quit();
        });
        handler.start(place.name().isEmpty() ? first.address().label() : place.name(), first.address());
        loop.exec();
    } else {
        auto *thread = new ThreadGeocode(first.address(), 1);
        QObject::connect(
            thread, &ThreadGeocode::geocodingFinished, &loop,
            [&](QString, QList<Location> list, int) {
                found = list;
                loop.quit();
            },
            Qt::QueuedConnection);
        QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        thread->start();
        loop.exec();
    }
    if (cancelled)
        return false;
    // As the search screen does: the first address found becomes the place's location. With
    // none, the pick goes on without a position.
    if (!found.isEmpty())
        place.setLocation(0, found.first());
    return true;
}

QString PickResolver::json(const QSharedPointer<Place> &place)
{
    using namespace hx::trellan::places;
    if (place.isNull())
        return QString();
    // The record a picker card builds from the pick, with the id the store gave it.
    QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(place));
    return JsonUtils::encodeSelectedPlaceToJson(selected.data());
}
