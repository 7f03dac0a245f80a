#include <hx/trellan/places/mapholder.h>

#include <hx/trellan/activityindicator.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/maps/mapimagegenerator.h>
#include <hx/trellan/orientationsupport.h>
#include <hx/trellan/places/customdialog.h>
#include <hx/trellan/places/customradiogroup.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/reversegeocoderunnable.h>
#include <hx/trellan/places/threadgeocode.h>
#include <hx/trellan/tapevent.h>
#include <hx/trellan/taphandler.h>
#include <hx/trellan/touchevent.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QLocale>
#include <QtCore/QPointer>
#include <QtCore/QRegExp>
#include <QtCore/QThreadPool>

using hx::platform::places::Address;
using hx::platform::places::Coordinates;
using hx::platform::places::Location;
using hx::platform::places::Place;
using hx::trellan::maps::MapImageGenerator;
using hx::trellan::maps::ViewProperties;

namespace hx {
namespace trellan {
namespace places {

namespace {

ImageView *imageView(const QString &name, const Image &image, QObject *parent)
{
    auto *view = new ImageView(parent);
    view->setObjectName(name);
    view->setImage(image);
    return view;
}

} // namespace

MapHolder::MapHolder(const QSharedPointer<Place> &place, bool showFavoriteStar, bool editing, bool geocode,
                     QObject *parent)
    : Container(parent), m_place(place), m_writeBack(!editing)
{
    setObjectName(QStringLiteral("MapPreview"));
    qRegisterMetaType<Location>("hx::platform::places::Location");
    qRegisterMetaType<QList<Location>>("QList<hx::platform::places::Location>");
    const QSize screen = PlaceUtils::screenSize(UIOrientation::Type(OrientationSupport::instance()->orientation()));
    m_screenWidth = screen.width();
    m_screenHeight = screen.height();
    buildControls(showFavoriteStar);
    connect(OrientationSupport::instance(), &OrientationSupport::orientationAboutToChange, this,
            &MapHolder::onOrientationAboutToChange);
    showFirst(geocode);
}

MapHolder::~MapHolder() = default;

void MapHolder::buildControls(bool showFavoriteStar)
{
    setLayout(new DockLayout(this));
    setHorizontalAlignment(HorizontalAlignment::Fill);
    const float mapHeight = UIConfig::du(PlaceUtils::MAP_IMAGE_HEIGHT);
    setPreferredHeight(mapHeight);

    m_mapImage = imageView(QStringLiteral("MapImage"), Image(), this);
    m_mapImage->setPreferredHeight(mapHeight);
    m_mapImage->setHorizontalAlignment(HorizontalAlignment::Fill);
    m_mapImage->setVisible(false);
    add(m_mapImage);

    m_noMap = new Container(this);
    m_noMap->setObjectName(QStringLiteral("NoMap"));
    m_noMap->setHorizontalAlignment(HorizontalAlignment::Fill);
    m_noMap->setVerticalAlignment(VerticalAlignment::Fill);
    m_noMap->add(imageView(QStringLiteral("EmptyMap"), ImageSet::EMPTY_MAP(), m_noMap));
    m_noMap->setVisible(false);
    add(m_noMap);

    m_pin = imageView(QStringLiteral("PushPin"), ImageSet::PUSH_PIN(), this);
    m_pin->setHorizontalAlignment(HorizontalAlignment::Center);
    m_pin->setVerticalAlignment(VerticalAlignment::Center);
    m_pin->setTranslationY(UIConfig::du(PlaceUtils::PIN_TRANSLATION_Y));
    m_pin->setVisible(false);
    add(m_pin);

    if (showFavoriteStar) {
        m_favoriteStar = imageView(QStringLiteral("FavoriteStar"), ImageSet::FAVORITE_CORNER_STAR(), this);
        const float size = UIConfig::du(PlaceUtils::DETAIL_CORNER_FAVORITE_SIZE);
        m_favoriteStar->setPreferredSize(size, size);
        m_favoriteStar->setHorizontalAlignment(HorizontalAlignment::Right);
        m_favoriteStar->setVerticalAlignment(VerticalAlignment::Top);
        m_favoriteStar->setVisible(false);
        add(m_favoriteStar);
    }

    m_indicator = new ActivityIndicator(this);
    m_indicator->setObjectName(QStringLiteral("MapActivityIndicator"));
    m_indicator->setHorizontalAlignment(HorizontalAlignment::Center);
    m_indicator->setVerticalAlignment(VerticalAlignment::Center);
    add(m_indicator);

    auto *tap = new TapHandler(this);
    connect(tap, &TapHandler::tapped, this, &MapHolder::onMapHolderTapped);
    addGestureHandler(tap);
    // The tap reports the touch; handling the touch-down too would ask for the map twice.
    connect(this, &Control::touch, this, &MapHolder::onTouchFocused);
}

void MapHolder::showFirst(bool geocode)
{
    m_shownLocation = m_place && m_place->locationCount() > 0 ? m_place->location(0) : Location();
    const bool hasAddress = !m_shownLocation.address().isEmpty();
    const bool hasCoordinates = m_shownLocation.coordinates().isValid();
    if (hasAddress && hasCoordinates)
        showAddressAndMap();
    else if (!hasAddress && !hasCoordinates)
        showNoMap();
    else if (hasAddress)
        geocodeAndShowMap(geocode);
    else
        reverseGeocodeAndShowMap();
}

void MapHolder::showAddressAndMap()
{
    m_indicator->start();
    getMapImageFromShownLocation();
    emit geocodingResult(m_shownLocation, true);
}

void MapHolder::showNoMap()
{
    setMapShown(false);
}

void MapHolder::setMapShown(bool shown)
{
    m_mapImage->setVisible(shown);
    m_pin->setVisible(shown);
    m_noMap->setVisible(!shown);
    if (!shown && m_favoriteStar)
        m_favoriteStar->setVisible(false);
}

void MapHolder::geocodeAndShowMap(bool geocode)
{
    QString text = m_shownLocation.address().label();
    text.replace(QRegExp(QStringLiteral("\\W")), QStringLiteral(" "));
    if (text.trimmed().isEmpty())
        text = PlaceViewUtils::addressString(m_shownLocation, 1);
    if (!geocode) {
        setMapShown(false);
        return;
    }
    Address address;
    address.setLabel(text);
    onAddressChanged(address);
}

void MapHolder::onAddressChanged(const Address &address)
{
    // Each new text supersedes the jobs before it: only the newest job's answer is taken.
    auto *job = new ThreadGeocode(address, ++m_geocodeJob);
    // The answer is taken on the thread's own object, so a holder closed meanwhile never has a
    // connection cut while the thread emits; its answer is simply dropped.
    QPointer<MapHolder> holder(this);
    connect(
        job, &ThreadGeocode::geocodingFinished, job,
        [holder](const QString &text, const QList<Location> &locations, int id) {
            if (holder && id == holder->m_geocodeJob)
                holder->onGeocodingFinished(text, locations, id);
        },
        Qt::QueuedConnection);
    job->start();
    setMapShown(false);
    m_indicator->start();
}

void MapHolder::onAddressLabelChanged(const QString &text)
{
    Address address;
    address.setLabel(text);
    onAddressChanged(address);
}

void MapHolder::onAddressChanging() { }

Location MapHolder::createMinimalLocation(const QString &text)
{
    if (text.isEmpty())
        return Location();
    Address address;
    address.setLabel(text);
    return Location(Coordinates(), address);
}

void MapHolder::onGeocodingFinished(const QString &text, const QList<Location> &locations, int)
{
    if (locations.size() < 2) {
        if (locations.size() == 1)
            onGeocodedLocation(locations.first(), true);
        else
            onGeocodedLocation(createMinimalLocation(text), false);
        return;
    }
    auto *choices = new CustomRadioGroup;
    for (const Location &location : locations)
        choices->addOption(location.address().label(), QVariant::fromValue(location));
    if (!m_dialog) {
        m_dialog = new CustomDialog(this);
        connect(m_dialog, &CustomDialog::dialogResult, this, &MapHolder::onAddressSelectionResult);
    } else {
        m_dialog->reset();
    }
    m_dialog->setTitle(QCoreApplication::translate("MapHolder", "%1 Addresses Found", nullptr, locations.size())
                           .arg(QLocale().toString(locations.size())));
    m_dialog->setContent(choices);
    m_dialog->setUserData(text);
    m_indicator->stop();
    m_dialog->show();
}

void MapHolder::onAddressSelectionResult(Control *control, const QVariant &userData)
{
    m_indicator->start();
    const QString text = userData.toString();
    auto *choices = qobject_cast<CustomRadioGroup *>(control);
    if (m_dialog && m_dialog->getResult() == 0 && choices && choices->selectedValue().canConvert<Location>())
        onGeocodedLocation(choices->selectedValue().value<Location>(), true);
    else
        onGeocodedLocation(createMinimalLocation(text), false);
}

void MapHolder::onGeocodedLocation(const Location &location, bool success)
{
    if (success) {
        m_geocodedLocation = location;
        m_shownLocation = location;
        if (location.coordinates().isValid()) {
            getMapImageFromShownLocation();
            writeBack(location);
        } else {
            m_indicator->stop();
            emit imageLoaded();
        }
    } else {
        setMapShown(false);
        m_geocodedLocation = Location();
        m_shownLocation = location;
        m_indicator->stop();
        emit imageLoaded();
    }
    emit geocodingResult(location, success);
}

void MapHolder::writeBack(const Location &location)
{
    if (!m_writeBack || !m_place)
        return;
    replaceFirstLocation(*m_place, location);
    // Marking a stored place as picked only stamps its time; its new position needs an update.
    if (m_place->isPersisted())
        PlaceManagerUI::updatePlace(*m_place, true);
    PlaceManagerUI::addRecentlyPickedPlace(*m_place, true);
}

void MapHolder::replaceFirstLocation(Place &place, const Location &location)
{
    QList<Location> locations = place.locations();
    if (locations.isEmpty())
        locations << location;
    else
        locations[0] = location;
    while (place.locationCount() > 0)
        place.removeLocation(0);
    for (const Location &each : qAsConst(locations))
        place.addLocation(each);
}

void MapHolder::reverseGeocodeAndShowMap()
{
    m_indicator->start();
    getMapImageFromShownLocation();
    const Coordinates coordinates = m_shownLocation.coordinates();
    auto *job = new ReverseGeocodeRunnable(coordinates.latitude(), coordinates.longitude(),
                                           coordinates.horizontalAccuracy(), coordinates.verticalAccuracy());
    connect(job, &ReverseGeocodeRunnable::done, this, &MapHolder::onReverseGeocodeFinished, Qt::QueuedConnection);
    m_reverseJob = job;
    if (QThreadPool::globalInstance()->tryStart(job))
        return;
    m_reverseJob = nullptr;
    delete job;
    Log::warning() << "hx::trellan::places::MapHolder::reverseGeocodeAndShowMap(): error,  maxThreadCount reached. "
                      "Unable to spawn new thread.";
}

void MapHolder::onReverseGeocodeFinished(ReverseGeocodeRunnable *runnableId, bool success, const Location &location)
{
    if (runnableId != m_reverseJob)
        return;
    m_reverseJob = nullptr;
    // A failed lookup must leave the stored position alone: the place keeps what it had.
    if (!success || location.address().isEmpty()) {
        m_indicator->stop();
        emit geocodingResult(m_shownLocation, false);
        return;
    }
    // The address is the answer; the position stays the place's own, not the address's.
    Location found = location;
    found.setCoordinates(m_shownLocation.coordinates());
    onGeocodedLocation(found, true);
}

void MapHolder::onLocationCoordinates(const Location &location)
{
    if (location.coordinates().isValid())
        onGeocodedLocation(location, true);
    else
        onAddressChanged(location.address());
}

bool MapHolder::hasShownCoordinates() const
{
    return m_shownLocation.coordinates().isValid();
}

void MapHolder::getMapImageFromShownLocation()
{
    const Address address = m_shownLocation.address();
    const auto box = m_shownLocation.boundingBox();
    if (PlaceUtils::centerOnBoundingBox(address) && box.isValid()) {
        const double altitude = PlaceUtils::getAltitudeFromBoundingBox(box);
        Coordinates centre = PlaceUtils::boundingBoxCentroid(box);
        if (!centre.isValid())
            centre = m_shownLocation.coordinates();
        getMapImage(centre.latitude(), centre.longitude(), altitude);
        return;
    }
    const Coordinates coordinates = m_shownLocation.coordinates();
    const double altitude = address.isEmpty() ? qQNaN() : PlaceUtils::getAltitudeFromAddress(address);
    getMapImage(coordinates.latitude(), coordinates.longitude(), altitude);
}

void MapHolder::getMapImage(double latitude, double longitude, double altitude)
{
    ViewProperties properties;
    if (!qIsNaN(altitude))
        properties.setAltitude(altitude);
    properties.setLatitude(latitude);
    properties.setLongitude(longitude);
    properties.setWindow(0, 0, m_screenWidth - 1, int(UIConfig::du(PlaceUtils::MAP_IMAGE_HEIGHT)) - 1);
    m_pins.clear();
    const Coordinates place = m_shownLocation.coordinates();
    m_pins.append(hx::platform::geo::Point(place.latitude(), place.longitude()));
    if (m_generator)
        m_generator->deleteLater();
    m_generator = new MapImageGenerator(properties, m_pins, this);
    connect(m_generator, &MapImageGenerator::finished, this, &MapHolder::imageAvailable, Qt::QueuedConnection);
    m_generator->start();
}

void MapHolder::imageAvailable(MapImageGenerator *reply)
{
    // Only the latest request counts; an older map would show a place the card has left.
    if (reply != m_generator)
        return;
    const QByteArray data = reply->imageData();
    if (data.isEmpty()) {
        onError();
        return;
    }
    m_mapImage->setImage(Image(data));
    setMapShown(true);
    m_indicator->stop();
    if (m_favoriteStar)
        m_favoriteStar->setVisible(m_place && m_place->isFavorite());
    emit imageLoaded();
}

void MapHolder::onError()
{
    setMapShown(false);
    m_indicator->stop();
    emit imageLoaded();
}

void MapHolder::setFavorite(bool favorite)
{
    if (m_favoriteStar)
        m_favoriteStar->setVisible(favorite && m_mapImage->isVisible());
}

void MapHolder::onMapHolderTapped(TapEvent *)
{
    if (hasShownCoordinates())
        emit touched();
}

void MapHolder::onTouch(TouchEvent *event)
{
    if (event && event->touchType() == TouchType::Down && hasShownCoordinates())
        emit touched();
}

void MapHolder::onTouchFocused(TouchEvent *event)
{
    if (event && event->touchType() == TouchType::Down)
        emit touchedFocused(true);
}

void MapHolder::onOrientationAboutToChange(UIOrientation::Type uiOrientation)
{
    const QSize screen = PlaceUtils::screenSize(uiOrientation);
    m_screenWidth = screen.width();
    m_screenHeight = screen.height();
    if (hasShownCoordinates())
        getMapImageFromShownLocation();
}

} // namespace places
} // namespace trellan
} // namespace hx
