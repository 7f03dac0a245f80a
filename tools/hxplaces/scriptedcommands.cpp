#include "scriptedcommands.h"

#include "distancetext.h"
#include "pickresolver.h"
#include "placejson.h"
#include "reversegeocodeclient.h"
#include "searchlist.h"

#include <hx/platform/places/gazetteer.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/platform/places/searchresultgroup.h>
#include <hx/system/invokequery.h>
#include <hx/trellan/maps/mapimagegenerator.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/mapsutils.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/sharedlinkutils.h>

#include <QtCore/QDateTime>
#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>
#include <QtCore/QUrl>
#include <QtGui/QImage>

using namespace hx::platform::places;
using hx::trellan::places::FilterCategory;
using hx::trellan::places::ItemType;
using hx::trellan::places::MapsUtils;
using hx::trellan::places::PlaceManagerUI;
using hx::trellan::places::SharedLink;
using hx::trellan::places::SharedLinkUtils;

namespace {
QSharedPointer<Place> storedPlace(qint64 id, QTextStream &err)
{
    Error::Type error = Error::None;
    QSharedPointer<Place> place(PlaceManagerUI::getPlace(id, error, false));
    if (error != Error::None || place.isNull()) {
        err << "hxplaces: no stored place with id " << id << " (error " << int(error) << ")" << Qt::endl;
        return QSharedPointer<Place>();
    }
    return place;
}
// Search, geocoding and the reverse lookup all read the gazetteer; an answer without it
// would look like "nothing there" when the truth is that nothing could be looked at.
bool gazetteerReadable(QTextStream &err)
{
    const QString path = qEnvironmentVariable("HX_GAZETTEER_DB");
    const Gazetteer gazetteer(path);
    if (gazetteer.isOpen())
        return true;
    err << "hxplaces: the gazetteer " << path << " cannot be read: " << gazetteer.errorString() << Qt::endl;
    return false;
}
} // namespace

ScriptedCommands::ScriptedCommands(const Coordinates &near, QTextStream &out, QTextStream &err)
    : m_near(near), m_out(out), m_err(err)
{ }

int ScriptedCommands::search(const QString &text, int category)
{
    if (!gazetteerReadable(m_err))
        return 1;
    SearchList list;
    if (category == FilterCategory::None)
        list.showAll(text, m_near);
    else
        list.showCategory(FilterCategory::Type(category), text, m_near);
    if (!list.waitUntilLoaded()) {
        m_err << "hxplaces: the search did not finish" << Qt::endl;
        return 1;
    }
    if (list.lastError() != Error::None) {
        m_err << "hxplaces: the search failed: "
              << (list.lastError() == Error::ServiceUnavailable
                      ? QStringLiteral("the gazetteer cannot be read")
                      : QStringLiteral("the store reported error %1").arg(int(list.lastError())))
              << Qt::endl;
        return 1;
    }
    m_out << PlaceJson::text(PlaceJson::sections(list, m_near));
    return 0;
}

int ScriptedCommands::share(qint64 id)
{
    const QSharedPointer<Place> place = storedPlace(id, m_err);
    if (place.isNull())
        return 1;
    if (!place->primaryCoordinates().isValid()) {
        // A share carries the position; the share action is only offered for places that have one.
        m_err << "hxplaces: place " << id << " has no position to share" << Qt::endl;
        return 1;
    }
    hx::system::InvokeQuery query;
    MapsUtils::createShareInvokeQuery(*place, &query);
    m_out << QString::fromUtf8(query.uri().toEncoded()) << Qt::endl;
    return 0;
}

int ScriptedCommands::openUri(const QString &uri)
{
    SharedLink::Error error = SharedLink::NoError;
    const QSharedPointer<Place> place = SharedLinkUtils::openLink(uri, &error, m_near);
    if (place.isNull()) {
        m_err << "hxplaces: cannot open the link: " << SharedLink::errorText(error) << Qt::endl;
        return 1;
    }
    m_out << PickResolver::json(place) << Qt::endl;
    return 0;
}

int ScriptedCommands::geocode(const QString &address)
{
    if (!gazetteerReadable(m_err))
        return 1;
    Error::Type error = Error::None;
    SearchHandle handle;
    const QList<QSharedPointer<AbstractPlace>> found = PlaceManagerUI::findPlacesByGroup(
        SearchResultGroup::Addresses, error, handle, QString(address).replace(QLatin1Char('\n'), QLatin1Char(' ')), 0,
        30, m_near);
    if (error != Error::None) {
        m_err << "hxplaces: geocoding failed (error " << int(error) << ")" << Qt::endl;
        return 1;
    }
    // Each with how precisely it stands for the address: "town" when only the town was found.
    QJsonArray locations;
    for (const QSharedPointer<AbstractPlace> &place : found) {
        QJsonObject location = PlaceJson::location(place->location(0));
        location.insert(QStringLiteral("level"),
                        place->auxiliaryData().value(0).property(QStringLiteral("geocodedLevel")).toString());
        location.insert(QStringLiteral("accuracy_m"), qRound(place->location(0).coordinates().horizontalAccuracy()));
        locations.append(location);
    }
    m_out << PlaceJson::text(locations);
    return 0;
}

int ScriptedCommands::where(double latitude, double longitude)
{
    if (!gazetteerReadable(m_err))
        return 1;
    QString error;
    const QList<Location> locations = ReverseGeocodeClient::lookup(latitude, longitude, &error);
    if (!error.isEmpty())
        m_err << "hxplaces: " << error << Qt::endl;
    m_out << PlaceJson::text(PlaceJson::locations(locations));
    return 0;
}

int ScriptedCommands::map(qint64 id, const QString &pngPath)
{
    const QSharedPointer<Place> place = storedPlace(id, m_err);
    if (place.isNull())
        return 1;
    const Coordinates coordinates = place->primaryCoordinates();
    if (!coordinates.isValid()) {
        m_err << "hxplaces: place " << id << " has no position to show on a map" << Qt::endl;
        return 1;
    }
    hx::trellan::maps::ViewProperties view;
    view.setLatitude(coordinates.latitude());
    view.setLongitude(coordinates.longitude());
    view.setWindow(0, 0, 767, 767);
    hx::trellan::maps::MapPin pin;
    pin.latitude = coordinates.latitude();
    pin.longitude = coordinates.longitude();
    pin.label = place->name();
    const QImage image = hx::trellan::maps::MapImageGenerator(view, { pin }).render();
    if (image.isNull() || !image.save(pngPath, "PNG")) {
        m_err << "hxplaces: cannot write the map image to " << pngPath << Qt::endl;
        return 1;
    }
    return 0;
}

int ScriptedCommands::view(qint64 id)
{
    const QSharedPointer<Place> place = storedPlace(id, m_err);
    if (place.isNull())
        return 1;
    m_out << place->name() << "\n";
    const Address address = place->primaryAddress();
    for (const QString &line : address.compactAddressLines())
        m_out << "  " << line << "\n";
    const Coordinates coordinates = place->primaryCoordinates();
    if (coordinates.isValid()) {
        m_out << "  " << QString::number(coordinates.latitude(), 'f', 6) << ", "
              << QString::number(coordinates.longitude(), 'f', 6);
        const QString distance = DistanceText().between(m_near, coordinates);
        if (!distance.isEmpty())
            m_out << "  (" << distance << " away)";
        m_out << "\n";
    }
    const auto field = [this](const char *caption, const QString &value) {
        if (!value.isEmpty())
            m_out << caption << ": " << value << "\n";
    };
    field("Phone", place->primaryPhoneNumber());
    field("E-mail", place->primaryEmailAddress());
    field("Web", place->primaryUrl());
    field("Description", place->description());
    field("Tags", place->tags().join(QStringLiteral(", ")));
    if (place->lastUsedTime() > 0)
        field("Last used", QDateTime::fromSecsSinceEpoch(place->lastUsedTime()).toString(Qt::ISODate));
    field("Id", QString::number(place->id()));
    m_out.flush();
    return 0;
}
