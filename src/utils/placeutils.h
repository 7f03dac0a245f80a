#ifndef HX_TRELLAN_PLACES_PLACEUTILS_H
#define HX_TRELLAN_PLACES_PLACEUTILS_H

#include <hx/trellan/places/hxplacesglobal.h>

// Includes of the formatting, asset and layout helpers.
#include <QtCore/QDateTime>
#include <QtCore/QRegExp>
#include <QtCore/QSharedPointer>
#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtCore/QVariantMap>
#include <hx/platform/geo/boundingbox.h>
#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/address.h>
#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/color.h>
#include <hx/trellan/enums.h>

// Includes of the store shortcuts and error dialogs.
#include <hx/platform/places/error.h>

#include <QtCore/QDateTime>

// Includes of the location settings, requests and geocoding.
#include <QtCore/QList>
#include <QtCore/QVariant>
#include <hx/platform/places/address.h>
#include <hx/platform/places/location.h>
#include <hx/trellan/places/geolocationrequest.h>

// Includes of the invocations and policy checks.
#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/place.h>
#include <hx/system/nfcsharemanager.h>
#include <hx/system/securityperimeter.h>

#include <QtCore/QByteArray>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
class InvokeActionItem;
namespace places {

// Static helpers shared by every screen. The sections below are kept apart on purpose: each
// area of the library adds its members to its own section.
class HXPLACES_EXPORT PlaceUtils
{
public:
    PlaceUtils() = delete;

    // ---- Addresses, names, phones, points and day boundaries ----

    // The extended address lines joined by line breaks; without them the label, or else the
    // address on two lines.
    static QString addressForLocation(const hx::platform::places::Location &location);
    // The label without a partial postal code: Canadian codes must have 6 to 7 characters and
    // British ones 7 to 8; a shorter or longer code is cut out of the label with the
    // separators before it.
    static QString filterPostalCode(const QString &label, const QString &postalCode, const QString &countryCode);
    // A geocoded location whose street is known and whose city occurs in the text gets the text,
    // each word capitalised and separated by single spaces, as its address label.
    static hx::platform::places::Location formatGeocodedLocation(const QString &text,
                                                                 hx::platform::places::Location location);
    // The number formatted for display by the platform's phone formatter, with a "+" put in front
    // of a long number without one when addPlus is set; empty when the formatter refuses it.
    static QString formatPhoneNumber(const QString &number, bool addPlus);

    // The first auxiliary data's external id, "_|_" and the place's name; empty without
    // auxiliary data.
    static QString createCategorySuggestionSearchTerms(const hx::platform::places::AbstractPlace &place);
    // A point of interest that came from a server rather than from the user.
    static bool isServerPOI(const hx::platform::places::AbstractPlace &place);
    // Copies the first auxiliary data of the given type into data; false when there is none.
    static bool getSingleAuxiliaryData(const QSharedPointer<hx::platform::places::Place> &place, const QString &type,
                                       hx::platform::places::AuxiliaryData &data);
    // The original photo of the place's contact when that file exists; empty otherwise.
    static QString getPhotoPath(const hx::platform::places::AbstractPlace &place);
    // Whether the details card has more than the name, address and phone to show.
    static bool hasMoreDetails(const hx::platform::places::AbstractPlace &place);

    // The map altitude in metres that frames an address: the finer its first part, the lower.
    static double getAltitudeFromAddress(const hx::platform::places::Address &address);
    // An address without a city is shown by its bounding box rather than by its point.
    static bool centerOnBoundingBox(const hx::platform::places::Address &address);
    // The middle of a valid box; invalid coordinates for an invalid one.
    static hx::platform::places::Coordinates boundingBoxCentroid(const hx::platform::geo::BoundingBox &box);
    // The map altitude in metres that frames a box, by its area.
    static double getAltitudeFromBoundingBox(const hx::platform::geo::BoundingBox &box);

    // Great-circle distance in metres between two points given in degrees (haversine).
    static double distance(double latitude1, double longitude1, double latitude2, double longitude2);

    // Day boundaries for grouping recent places; each is a date at 00:00:00 local time.
    // The day before now.
    static QDateTime endOfYesterday(const QDateTime &now);
    // The last Sunday before now's date (a week earlier when that date is itself a Sunday).
    static QDateTime endOfLastWeek(const QDateTime &now);
    // The last day of the month before now's.
    static QDateTime endOfLastMonth(const QDateTime &now);

    // What the edit form accepts as an e-mail address (tested with an exact match).
    static const QRegExp emailRegExp;

    // ---- Assets, start-up, device sizes and layout constants ----

    // Once per process (later calls return at once): registers the embedded resources, reads
    // the device-size and subcategory documents and re-applies the location settings.
    static void init();
    // The display's pixel size for an orientation: width and height swap in landscape.
    static QSize screenSize(hx::trellan::UIOrientation::Type orientation);
    // Hook of init(): re-applies the location settings to the shared location requests. Its body
    // belongs to the location part (placeutilsinitlocation.cpp).
    static void initLocationRequests();

    // Colours.
    static const hx::trellan::Color BACKGROUND_COLOR;
    static const hx::trellan::Color LIST_ICON_BG_COLOR;
    static const hx::trellan::Color TEXT_COLOR_1;
    static const hx::trellan::Color TEXT_COLOR_2;
    static const hx::trellan::Color TEXT_COLOR_3;
    static const hx::trellan::Color TEXT_COLOR_4;
    static const hx::trellan::Color TEXT_ERROR_COLOR_1;
    static const hx::trellan::Color TITLE_TEXT_COLOR;
    static const hx::trellan::Color CAPTION_TEXT_COLOR;
    static const hx::trellan::Color ADDRESS_TEXT_COLOR;
    static const hx::trellan::Color DISTANCE_TEXT_COLOR;
    static const hx::trellan::Color PHONE_TEXT_COLOR;
    static const hx::trellan::Color DETAIL_CONTENT_TEXT_COLOR;
    // Focus highlight on devices with a trackpad.
    static const hx::trellan::Color OSKARN_FOCUS_HIGHLIGHT_COLOR;
    static const hx::trellan::Color OSKARN_FOCUS_HIGHLIGHT_COLOR2;
    static const hx::trellan::Color OSKARN_TRANSPARENT_COLOR;
    static const hx::trellan::Color DETAILVIEW_DIVIDER_COLOR;

    // Layout constants in design units (see UIConfig::du for pixels), except where noted.
    static constexpr int SMALL_PADDING = 2;
    static constexpr float TINY_PADDING = 0.5f;
    static constexpr float MEDIUM_PADDING = 3.0f;
    static constexpr float BORDER_SIZE = 0.0f;
    static constexpr float LIST_ICON_SIZE = 8.1f;
    static constexpr float TITLEBAR_ICON_SIZE = 8.1f;
    static constexpr float TITLEBAR_LEFT_PADDING = 2.0f;
    static constexpr float DEFAULT_SEARCH_BOX_HEIGHT = 11.0f;
    static constexpr float SEARCH_CONTROL_ICON_SIZE = 8.0f;
    static constexpr float SEARCH_CONTROL_PADDING = 2.0f;
    static constexpr float SEARCH_CONTROL_RIGHT_PADDING = 1.0f;
    static constexpr float DISTANCE_CONTAINER_WIDTH = 15.3f;
    static constexpr float PICKER_LISTITEM_HEIGHT = 14.0f;
    static constexpr float PICKER_LISTITEM_ICON_WIDTH = 14.0f;
    static constexpr float PICKER_MORE_ICON_SIZE = 4.8f;
    static constexpr float SPINNER_SIZE = 20.0f;
    static constexpr float PIN_TRANSLATION_Y = -6.4f;
    static constexpr float LIST_CORNER_FAVORITE_SIZE = 5.0f;
    static constexpr float DETAIL_CORNER_FAVORITE_SIZE = 6.0f;
    static constexpr float CORNER_FAVORITE_PADDING = 2.0f;
    static constexpr float LIST_ITEM_RIGHT_PADDING = 2.5f;
    static constexpr float RIGHT_BOX_RIGHT_PADDING = 2.0f;
    static constexpr float RIGHT_BOX_BOTTOM_PADDING = 1.5f;
    static constexpr float ADDRESS_CONTAINER_HEIGHT = 7.4f;
    static constexpr float INFOVIEW_TOP_PADDING = 3.0f;
    static constexpr float INFOVIEW_BOTTOM_PADDING = 3.0f;
    static constexpr float DETAILVIEW_LEFT_PADDING = 2.0f;
    static constexpr float DETAILVIEW_RIGHT_PADDING = 2.0f;
    static constexpr float DETAILVIEW_TOP_PADDING = 2.0f;
    static constexpr float DETAILVIEW_BOTTOM_PADDING = 2.0f;
    static constexpr float DETAILVIEW_ITEM_MARGIN = 2.0f;
    static constexpr float DETAILVIEW_LIST_ITEM_HEIGHT = 11.0f;
    static constexpr float DETAILVIEW_ICON_WIDTH = 8.0f;
    static constexpr float DETAILVIEW_ICON_HEIGHT = 8.0f;
    static constexpr float DETAILVIEW_DIVIDER_HEIGHT = 0.1f;
    static constexpr float RATING_BAR_HEIGHT = 9.0f;
    static constexpr float RATING_BAR_LEFT_PADDING = 2.0f;
    static constexpr float RATING_BAR_RATING_STARS_WIDTH = 29.8f;
    static constexpr float RATING_BAR_RATING_STARS_HEIGHT = 5.44f;
    static constexpr float RATING_BAR_YELP_LOGO_WIDTH = 13.33f;
    static constexpr float RATING_BAR_YELP_LOGO_HEIGHT = 6.66f;
    static constexpr int RATING_BAR_FADE_TIME = 750; // milliseconds
    static constexpr float RATING_TITLE_BAR_LEFT_PADDING = 2.0f;
    static constexpr float RATING_TITLE_BAR_BOTTOM_MARGIN = 2.0f;
    static constexpr float RATING_TITLE_BAR_RATING_STARS_WIDTH = 27.11f;
    static constexpr float RATING_TITLE_BAR_RATING_STARS_HEIGHT = 4.95f;
    static constexpr float RATING_DETAILS_LINK_TOP = 3.33f;
    static constexpr float RATING_DETAILS_LINK_RIGHT_PADDING = 2.0f;
    static constexpr float RATING_DETAILS_YELP_LOGO_WIDTH = 16.66f;
    static constexpr float RATING_DETAILS_YELP_LOGO_HEIGHT = 8.33f;
    static constexpr float REVIEW_ITEM_PADDING = 3.0f;
    static constexpr float REVIEW_ITEM_RATING_STARS_WIDTH = 18.05f;
    static constexpr float REVIEW_ITEM_RATING_STARS_HEIGHT = 3.3f;
    static constexpr float ZANT_CONTACTS_LIST_ITEM_HEIGHT = 30.0f;
    // Pixels: the display width at which the square-screen layout applies.
    static constexpr int VELMORA_WIDTH = 1440;

    // Device-dependent sizes, read from the property documents by init().
    static float MAP_IMAGE_HEIGHT;
    static float PICTURE_WIDTH;
    static float PICTURE_HEIGHT;
    // Point-of-interest category code -> untranslated display name, read by init().
    static QVariantMap SUB_CATEGORIES;
    // Paints layout containers in debugging colours when set.
    static bool LAYOUT_DEBUG;

    // ---- Store shortcuts and error dialogs ----

    // Shows the error dialog unless the same error was shown less than a minute ago. The caller
    // keeps lastTime and lastError between calls; both are updated whenever a dialog is shown.
    static void showErrorMessageOnCondition(hx::platform::places::Error::Type error, QDateTime &lastTime,
                                            hx::platform::places::Error::Type &lastError);

    // ---- Location settings, requests, reverse and forward geocoding ----

    // Location settings; an application may change them before init(), which re-applies them
    // to genericRequest and mylocationRequest (applyLocationSettings()).
    static int MY_LOCATION_WAITTIME; // seconds; 60
    static int MY_LOCATION_WAITTIME_EXTRA; // seconds; 10
    static int MY_LOCATION_WAITTIME_TIMEOUT; // seconds; 2
    static int MY_LOCATION_ACCURACY; // metres; 90
    static int MY_LOCATION_STALE_PERIOD_IN_SECONDS; // 0
    static int GENERAL_GEOCODING_STALE_PERIOD_IN_SECONDS; // 180
    static int MY_LOCATION_CHECK_FREQUENCY; // polls a second; 20

    // Request presets, built from the defaults when the library is loaded.
    static GeolocationRequest genericRequest;
    static GeolocationRequest mylocationRequest;
    static GeolocationRequest mylocationRequest_zant;
    static GeolocationRequest searchRequest;
    static GeolocationRequest searchRequest_zant;

    // Rewrites genericRequest and mylocationRequest from the current settings; init() calls it.
    static void applyLocationSettings();

    // True when the networking status says the device has IP connectivity.
    static bool isOnline();
    // [unit code, value text] of a distance in metres in the user's unit (GetUOM::distanceInfo).
    static QList<QVariant> distanceInfo(double metres);

    // The reverse-geocoding request text; boundary 0 "address" ... 6 "timezone", else "address".
    static QString generateRequest(double latitude, double longitude, int boundary);
    // Appends the reply's candidates that have valid coordinates; false when one carries a
    // "merit" other than -1.
    static bool parseResponse(const QString &response, QList<hx::platform::places::Location> &list);
    // One blocking exchange with the reverse-geocoding service; never call it on the UI thread.
    static QList<hx::platform::places::Location> reverseGeocode(double latitude, double longitude, int boundary);
    // Searches the store for the address near the user: at most 30 locations that carry the
    // caller's address and the coordinates found. Blocking; never call it on the UI thread.
    static QList<hx::platform::places::Location> geocode(const hx::platform::places::Address &address);

    // ---- Invocations of other applications and policy checks ----

    // Each marks the place as recently picked first. Show it on the map / in the previewer card:
    // false (nothing sent) for a place that is not stored or has no valid position.
    static bool launchMap(hx::platform::places::Place &place);
    static bool launchUnifiedSearchPreview(const QSharedPointer<hx::platform::places::Place> &place);
    // Hands-free navigation to the place; through the background object when background is set
    // and the home screen is locked.
    static bool launchHandsfreeNavigation(hx::platform::places::Place &place, bool background);
    // Publishes an invocation to the navigator's background object (for a locked home
    // screen); true when the message was encoded and written.
    static bool invokeAllowedForBackground(const QString &action, const QString &mimeType, const QString &data,
                                           hx::system::SecurityPerimeter::Type perimeter);
    // Hands the number to the dialler; an empty number opens it without one.
    static bool callPhoneNumber(const QString &number);
    // Opens the e-mail composer addressed to address (no address when empty).
    static bool composeEmail(const QString &address);
    // Whether the enterprise policy file contains key.
    static bool isBlockedByITPolicy(const QString &key);
    static bool isMapsAppBlockedByITPolicy();
    // Whether this process is the navigation vendor's maps application (asked once).
    static bool isInMapsApplication();
    // The process's one NFC share manager, created again when nobody holds it any more.
    static QSharedPointer<hx::system::NfcShareManager> getNfcShareManagerInstance();
    // "Share" action for the place (the share query of MapsUtils), owned by parent.
    static hx::trellan::InvokeActionItem *
    createShareActionItem(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent);

    // Favourite and recent-place shortcuts; errors show their dialog. 0 when nothing was to do.
    static hx::platform::places::Error::Type favPlace(hx::platform::places::AbstractPlace *place);
    static hx::platform::places::Error::Type favPlace(const QSharedPointer<hx::platform::places::AbstractPlace> &place);
    static hx::platform::places::Error::Type unfavPlace(hx::platform::places::AbstractPlace *place);
    static hx::platform::places::Error::Type
    unfavPlace(const QSharedPointer<hx::platform::places::AbstractPlace> &place);
    static hx::platform::places::Error::Type setPlaceAsRecent(const QSharedPointer<hx::platform::places::Place> &place);
    // setPlaceAsRecent on the worker pool; returns at once.
    static void setPlaceAsRecentAsync(const QSharedPointer<hx::platform::places::Place> &place);

    // The home screen's lock state; 0 when it reports none. Above 1, hands-free navigation goes
    // through the background object.
    static int homeScreenLockState();

    // The install id of the navigation vendor's maps application, compared with the running
    // application's (QCoreApplication::applicationName()).
    static QString MAPS_APPLICATION_INSTALL_ID;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
