// Invocations of other applications and policy checks.
#include <hx/trellan/places/placeutils.h>

#include <hx/msgclient/base64.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/tags.h>
#include <hx/pps/ppsobject.h>
#include <hx/pps/ppspath.h>
#include <hx/system/invokemanager.h>
#include <hx/system/invokerequest.h>
#include <hx/system/invoketargetreply.h>
#include <hx/trellan/invokeactionitem.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/mapsutils.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtConcurrent/QtConcurrentRun>
#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QWeakPointer>

#include <mutex>
#include <vector>

using hx::platform::places::AbstractPlace;
using hx::platform::places::Error;
using hx::platform::places::Place;
using hx::system::InvokeManager;
using hx::system::InvokeRequest;
using hx::system::InvokeTargetReply;

namespace hx {
namespace trellan {
namespace places {

QString PlaceUtils::MAPS_APPLICATION_INSTALL_ID = QStringLiteral("sys.zel.maps");

namespace {

const char backgroundObjectPath[] = "/pps/system/navigator/background";
const char policyPath[] = "/pps/system/perimeter/settings/1000-enterprise/policy";
const char homeScreenStatusPath[] = "/pps/system/navigator/homescreen";

// Where a request that needs no answer goes: a manager of its own that lives until the reply
// has finished, so nothing is left behind once the system has taken the request.
InvokeTargetReply *sendDetached(const InvokeRequest &request)
{
    auto *manager = new InvokeManager;
    InvokeTargetReply *reply = manager->invoke(request);
    if (!reply) {
        manager->deleteLater();
        return nullptr;
    }
    reply->setParent(nullptr);
    manager->deleteLater();
    return reply;
}

// Dial and compose: the reply cleans itself up when it finishes.
bool sendAndForget(const InvokeRequest &request, const char *function)
{
    InvokeTargetReply *reply = sendDetached(request);
    if (!reply) {
        Log::warning() << function << " failed in invoking";
        return false;
    }
    if (!QObject::connect(reply, &InvokeTargetReply::finished, reply, &QObject::deleteLater)) {
        Log::warning() << function << " failed in connection";
        delete reply;
    }
    return true;
}

const char placeIdMimeType[] = "application/vnd.korvane.place-id";

// The template the navigation application reads; name and address go in unescaped.
const char navigationTemplate[] = "JSON {\"view_mode\":\"nav\",\"nav_end\":        {\"properties\":{\"name\":\"%1\","
                                  "\"address\":\"%2\"},\"latitude\":%3,\"longitude\":%4},        \"nav_options\":"
                                  "{\"avoid_highways\":false,\"hands_free\":true},\"geolocation\":false}";

// Map, previewer and navigation requests: the reply's outcome is not ours to act on.
void sendPlaceRequest(InvokeRequest request, const Place &place)
{
    request.setPerimeter(hx::system::SecurityPerimeter::Type(place.securityPerimeter()));
    InvokeTargetReply *reply = sendDetached(request);
    if (reply)
        QObject::connect(reply, &InvokeTargetReply::finished, reply, &QObject::deleteLater);
}

// A full place for the favourite shortcuts: the record itself, or the stored place a header
// stands for (owned by holder).
Place *fullPlace(AbstractPlace *place, QScopedPointer<Place> &holder, Error::Type &error)
{
    error = Error::None;
    if (auto *full = dynamic_cast<Place *>(place))
        return full;
    if (auto *header = dynamic_cast<hx::platform::places::PlaceHeader *>(place))
        holder.reset(PlaceManagerUI::getPlace(header, error, true));
    return holder.data();
}

// Adds the place to the favourites or removes it (wanted), through the store; a header the
// caller holds gets the new tag too, so lists show the change without a reload.
Error::Type setFavorite(AbstractPlace *place, bool wanted)
{
    if (!place || place->isFavorite() == wanted)
        return Error::None;
    QScopedPointer<Place> holder;
    Error::Type error;
    Place *full = fullPlace(place, holder, error);
    if (!full)
        return error;
    error = wanted ? PlaceManagerUI::addToFavorites(*full, true) : PlaceManagerUI::removeFromFavorites(*full, true);
    if (full != place && error == Error::None) {
        if (wanted)
            place->addTag(QLatin1String(hx::platform::places::Tags::Favorite));
        else
            place->removeTag(QLatin1String(hx::platform::places::Tags::Favorite));
    }
    return error;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

bool PlaceUtils::launchMap(Place &place)
{
    // Marking a new place as recent stores it, so whether it was stored is read first.
    const bool stored = place.isPersisted();
    PlaceManagerUI::addRecentlyPickedPlace(place, false);
    if (!stored || !place.primaryCoordinates().isValid())
        return false;
    InvokeRequest request;
    request.setAction(QStringLiteral("hx.action.MAP"));
    request.setMimeType(QLatin1String(placeIdMimeType));
    request.setData(QStringLiteral("JSON {\"placeId\":%1}").arg(place.id()).toUtf8());
    sendPlaceRequest(request, place);
    return true;
}

bool PlaceUtils::launchUnifiedSearchPreview(const QSharedPointer<Place> &place)
{
    if (!place)
        return false;
    const bool stored = place->isPersisted();
    PlaceManagerUI::addRecentlyPickedPlace(*place, false);
    if (!stored || !place->primaryCoordinates().isValid())
        return false;
    InvokeRequest request;
    request.setAction(QStringLiteral("hx.action.VIEW"));
    request.setMimeType(QLatin1String(placeIdMimeType));
    request.setTarget(QStringLiteral("sys.places.placepreviewer"));
    request.setData(QStringLiteral("{\"placeId\":%1}").arg(place->id()).toUtf8());
    sendPlaceRequest(request, *place);
    return true;
}

bool PlaceUtils::launchHandsfreeNavigation(Place &place, bool background)
{
    PlaceManagerUI::addRecentlyPickedPlace(place, false);
    const hx::platform::places::Coordinates coordinates = place.primaryCoordinates();
    if (!coordinates.isValid())
        return false;
    const QString data
        = QString::fromLatin1(navigationTemplate)
              .arg(place.name(), place.primaryLocation(), QString::number(coordinates.latitude(), 'f', 6),
                   QString::number(coordinates.longitude(), 'f', 6));
    const QString action = QStringLiteral("hx.action.OPEN");
    const QString mimeType = QStringLiteral("application/vnd.zel.map.action-v1");
    if (background && homeScreenLockState() > 1)
        return invokeAllowedForBackground(action, mimeType, data,
                                          hx::system::SecurityPerimeter::Type(place.securityPerimeter()));
    InvokeRequest request;
    request.setAction(action);
    request.setMimeType(mimeType);
    request.setData(data.toUtf8());
    sendPlaceRequest(request, place);
    return true;
}

bool PlaceUtils::invokeAllowedForBackground(const QString &action, const QString &mimeType, const QString &data,
                                            hx::system::SecurityPerimeter::Type perimeter)
{
    hx::PpsObject object(QString::fromLatin1(backgroundObjectPath));
    if (!object.open(hx::PpsObject::Publish)) {
        Log::critical() << "hx::trellan::places::PlaceUtils::invokeAllowedForBackground - Could not open "
                           "/pps/system/navigator/background.Error msg: "
                        << quoted(object.errorString());
        return false;
    }

    const QByteArray bytes = data.toLatin1();
    std::vector<char> base64(4 * (size_t(bytes.size()) / 3 + 2));
    const int length = hx_base64_encode(reinterpret_cast<const unsigned char *>(bytes.constData()),
                                        size_t(bytes.size()), base64.data(), base64.size());
    if (length < 0) {
        object.close();
        return false;
    }

    QVariantMap dat;
    dat.insert(QStringLiteral("action"), action);
    dat.insert(QStringLiteral("perimeter"),
               perimeter == hx::system::SecurityPerimeter::Personal ? QStringLiteral("personal")
                                                                    : QStringLiteral("enterprise"));
    dat.insert(QStringLiteral("type"), mimeType);
    dat.insert(QStringLiteral("data"), QString::fromLatin1(base64.data(), length));
    QVariantMap message;
    message.insert(QStringLiteral("msg"), QStringLiteral("invokeTarget"));
    message.insert(QStringLiteral("id"), QStringLiteral("30"));
    message.insert(QStringLiteral("dat"), dat);

    bool ok = false;
    const QByteArray encoded = hx::PpsObject::encode(message, &ok);
    if (!ok) {
        Log::warning() << "hx::trellan::places::PlaceUtils::invokeAllowedForBackground() - Encoding failed. Error msg: "
                       << quoted(object.errorString());
    } else if (!(ok = object.write(encoded))) {
        Log::warning() << "hx::trellan::places::PlaceUtils::invokeAllowedForBackground() - writing failed.";
    }
    object.close();
    return ok;
}

bool PlaceUtils::callPhoneNumber(const QString &number)
{
    InvokeRequest request;
    request.setAction(QStringLiteral("hx.action.DIAL"));
    request.setMimeType(QStringLiteral("application/vnd.korvane.phone.number"));
    if (!number.isEmpty())
        request.setData(number.toUtf8());
    return sendAndForget(request, "static bool hx::trellan::places::PlaceUtils::callPhoneNumber(QString)");
}

bool PlaceUtils::composeEmail(const QString &address)
{
    InvokeRequest request;
    request.setAction(QStringLiteral("hx.action.COMPOSE"));
    request.setMimeType(QStringLiteral("message/rfc822"));
    request.setTarget(QStringLiteral("sys.pim.uib.email.hybridcomposer"));
    // The address goes in as typed: the composer takes it verbatim.
    if (!address.isEmpty())
        request.setData(QStringLiteral("{ \"to\" : [\"%1\"] }").arg(address).toUtf8());
    return sendAndForget(request, "static bool hx::trellan::places::PlaceUtils::composeEmail(QString)");
}

bool PlaceUtils::isBlockedByITPolicy(const QString &key)
{
    QFile file(hx::pps::localPath(QLatin1String(policyPath)));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.readAll().contains(key.toLatin1());
}

bool PlaceUtils::isMapsAppBlockedByITPolicy()
{
    return isBlockedByITPolicy(QStringLiteral("policy_block_maps::1"));
}

bool PlaceUtils::isInMapsApplication()
{
    static std::once_flag once;
    static bool inMaps = false;
    std::call_once(once, [] { inMaps = QCoreApplication::applicationName() == MAPS_APPLICATION_INSTALL_ID; });
    return inMaps;
}

QSharedPointer<hx::system::NfcShareManager> PlaceUtils::getNfcShareManagerInstance()
{
    static QMutex mutex;
    static QWeakPointer<hx::system::NfcShareManager> instance;
    QMutexLocker locker(&mutex);
    QSharedPointer<hx::system::NfcShareManager> manager = instance.toStrongRef();
    if (!manager) {
        manager.reset(new hx::system::NfcShareManager);
        instance = manager;
    }
    return manager;
}

hx::trellan::InvokeActionItem *PlaceUtils::createShareActionItem(const QSharedPointer<Place> &place, QObject *parent)
{
    auto *item = new hx::trellan::InvokeActionItem(parent);
    if (place)
        MapsUtils::createShareInvokeQuery(*place, item->query());
    item->setTitle(QCoreApplication::translate("Places", "Share"));
    item->setEnabled(place && place->primaryCoordinates().isValid());
    item->setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("share.png"))));
    item->setObjectName(QStringLiteral("ShareAction"));
    return item;
}

Error::Type PlaceUtils::favPlace(AbstractPlace *place)
{
    return setFavorite(place, true);
}

Error::Type PlaceUtils::favPlace(const QSharedPointer<AbstractPlace> &place)
{
    return favPlace(place.data());
}

Error::Type PlaceUtils::unfavPlace(AbstractPlace *place)
{
    return setFavorite(place, false);
}

Error::Type PlaceUtils::unfavPlace(const QSharedPointer<AbstractPlace> &place)
{
    return unfavPlace(place.data());
}

Error::Type PlaceUtils::setPlaceAsRecent(const QSharedPointer<Place> &place)
{
    if (!place)
        return Error::None;
    const Error::Type error = PlaceManagerUI::addRecentlyPickedPlace(*place, true);
    if (error != Error::None)
        Log::warning() << "hx::trellan::places::PlaceUtils::setPlaceAsRecent(): add recently picked error,"
                       << int(error);
    return error;
}

void PlaceUtils::setPlaceAsRecentAsync(const QSharedPointer<Place> &place)
{
    if (!place)
        return;
    // The task holds its own reference, so the place outlives the caller's if need be. A dialog
    // may only be shown on the UI thread, so an error is handed back there to be shown.
    QtConcurrent::run([place] {
        const Error::Type error = PlaceManagerUI::addRecentlyPickedPlace(*place, false);
        if (error == Error::None)
            return;
        Log::warning() << "hx::trellan::places::PlaceUtils::setPlaceAsRecent(): add recently picked error,"
                       << int(error);
        if (QCoreApplication *application = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                application, [error] { PlaceManagerUI::showErrorDialog(error, -1); }, Qt::QueuedConnection);
    });
}

int PlaceUtils::homeScreenLockState()
{
    hx::PpsObject object(QString::fromLatin1(homeScreenStatusPath));
    if (!object.open(hx::PpsObject::Subscribe))
        return 0;
    bool ok = false;
    const QVariantMap map = hx::PpsObject::decode(object.read(&ok));
    object.close();
    if (!ok)
        return 0;
    return map.value(QStringLiteral("@homescreen")).toMap().value(QStringLiteral("lockState")).toInt();
}

} // namespace places
} // namespace trellan
} // namespace hx
