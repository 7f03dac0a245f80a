#include <hx/trellan/places/imageset.h>

#include <hx/trellan/assetresolver.h>

#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QUrl>
#include <hx/trellan/places/resourceutils.h>

namespace hx {
namespace trellan {
namespace places {

namespace {

enum Slot {
    SlotEmptyMap,
    SlotListItemCornerFavorite,
    SlotCollapseContent,
    SlotExpandContent,
    SlotEmptylistContacts,
    SlotEmptylistRecents,
    SlotEmptylistFavorites,
    SlotListbutton,
    SlotPushPin,
    SlotFavoriteCornerStar,
    SlotDescription,
    SlotEmail,
    SlotMyplacespressed,
    SlotMyplaces,
    SlotNone,
    SlotRatingBarGradient,
    SlotForward,
    SlotYelpLogo,
    SlotYelp50,
    SlotYelp45,
    SlotYelp40,
    SlotYelp35,
    SlotYelp30,
    SlotYelp25,
    SlotYelp20,
    SlotYelp15,
    SlotYelp10,
    SlotActionmap,
    SlotAddcontact,
    SlotAddplace,
    SlotMoredetails,
    SlotMyWork,
    SlotContact,
    SlotOpentable,
    SlotAutomotive,
    SlotTravel,
    SlotShopping,
    SlotFood,
    SlotPublicoffices,
    SlotPersonalservices,
    SlotLodging,
    SlotHealth,
    SlotEntertainment,
    SlotBank,
    SlotWeblink,
    SlotPhone,
    SlotPayment,
    SlotPricerange,
    SlotReservations,
    SlotParking,
    SlotHours,
    SlotGas,
    SlotAirport,
    SlotCategory,
    SlotNomap,
    SlotMap,
    SlotGeocoded,
    SlotPoi,
    SlotContactWorkPhone,
    SlotContactNoPhoto,
    SlotContactMobilePhone,
    SlotContactHomePhone,
    SlotContactWork,
    SlotContactHome,
    SlotMyHome,
    SlotFavorite,
    SlotCount
};

// One mutex guards every slot: slots are filled and emptied under it, and read through an
// atomic pointer so that a filled slot is seen without taking it.
QMutex imageMutex;
QAtomicPointer<ImageSet> imageSlots[SlotCount];

hx::trellan::Image imageOf(Slot slot, const char *name)
{
    ImageSet::checkAndInitialize(imageSlots[slot], QString::fromLatin1(name));
    // Copy under the mutex: clean() may empty the slot at any time.
    QMutexLocker locker(&imageMutex);
    const ImageSet *set = imageSlots[slot].loadRelaxed();
    return set ? set->image() : hx::trellan::Image();
}

} // namespace

ImageSet::ImageSet(const hx::trellan::Image &image, const QString &source) : m_image(image), m_source(source) { }

void ImageSet::checkAndInitialize(QAtomicPointer<ImageSet> &slot, const QString &name)
{
    if (slot.loadAcquire())
        return;
    QMutexLocker locker(&imageMutex);
    if (slot.loadRelaxed())
        return;
    ImageSet *set = nullptr;
    if (name.isEmpty()) {
        set = new ImageSet();
    } else {
        QString source = ResourceUtils::getQRCPath(name);
        hx::trellan::Image image { QUrl(source) };
        if (image.isNull()) {
            source = ResourceUtils::getAssetPath(name);
            image = hx::trellan::Image(QUrl(source));
        }
        set = new ImageSet(image, source);
    }
    slot.storeRelease(set);
}

void ImageSet::clean()
{
    hx::trellan::AssetResolver::forgetFiles();
    QMutexLocker locker(&imageMutex);
    for (QAtomicPointer<ImageSet> &slot : imageSlots)
        delete slot.fetchAndStoreOrdered(nullptr);
}

hx::trellan::Image ImageSet::EMPTY_MAP()
{
    return imageOf(SlotEmptyMap, "cs_nc_no_map.png");
}

hx::trellan::Image ImageSet::LIST_ITEM_CORNER_FAVORITE()
{
    return imageOf(SlotListItemCornerFavorite, "CornerFavorite.png");
}

hx::trellan::Image ImageSet::COLLAPSE_CONTENT()
{
    return imageOf(SlotCollapseContent, "cc_up.png");
}

hx::trellan::Image ImageSet::EXPAND_CONTENT()
{
    return imageOf(SlotExpandContent, "cc_down.png");
}

hx::trellan::Image ImageSet::EMPTYLIST_CONTACTS()
{
    return imageOf(SlotEmptylistContacts, "cs_nc_contacts.png");
}

hx::trellan::Image ImageSet::EMPTYLIST_RECENTS()
{
    return imageOf(SlotEmptylistRecents, "cs_nc_location.png");
}

hx::trellan::Image ImageSet::EMPTYLIST_FAVORITES()
{
    return imageOf(SlotEmptylistFavorites, "cs_nc_favorite.png");
}

hx::trellan::Image ImageSet::LISTBUTTON()
{
    return imageOf(SlotListbutton, "ic_searchresults_more.png");
}

hx::trellan::Image ImageSet::PUSH_PIN()
{
    return imageOf(SlotPushPin, "purple_pin.png");
}

hx::trellan::Image ImageSet::FAVORITE_CORNER_STAR()
{
    return imageOf(SlotFavoriteCornerStar, "Corner_Tab_wStar.png");
}

hx::trellan::Image ImageSet::DESCRIPTION()
{
    return imageOf(SlotDescription, "ic_view_details.png");
}

hx::trellan::Image ImageSet::EMAIL()
{
    return imageOf(SlotEmail, "ic_email.png");
}

hx::trellan::Image ImageSet::MYPLACESPRESSED()
{
    return imageOf(SlotMyplacespressed, "ic_my_places_pressed.png");
}

hx::trellan::Image ImageSet::MYPLACES()
{
    return imageOf(SlotMyplaces, "ic_my_places.png");
}

hx::trellan::Image ImageSet::NONE()
{
    return imageOf(SlotNone, "");
}

hx::trellan::Image ImageSet::RATING_BAR_GRADIENT()
{
    return imageOf(SlotRatingBarGradient, "map_details_gradient.png");
}

hx::trellan::Image ImageSet::FORWARD()
{
    return imageOf(SlotForward, "forward.png");
}

hx::trellan::Image ImageSet::YELP_LOGO()
{
    return imageOf(SlotYelpLogo, "yelp_logo_100x50.png");
}

hx::trellan::Image ImageSet::YELP50()
{
    return imageOf(SlotYelp50, "stars_large@2x_5star.png");
}

hx::trellan::Image ImageSet::YELP45()
{
    return imageOf(SlotYelp45, "stars_large@2x_4.5star.png");
}

hx::trellan::Image ImageSet::YELP40()
{
    return imageOf(SlotYelp40, "stars_large@2x_4star.png");
}

hx::trellan::Image ImageSet::YELP35()
{
    return imageOf(SlotYelp35, "stars_large@2x_3.5star.png");
}

hx::trellan::Image ImageSet::YELP30()
{
    return imageOf(SlotYelp30, "stars_large@2x_3star.png");
}

hx::trellan::Image ImageSet::YELP25()
{
    return imageOf(SlotYelp25, "stars_large@2x_2.5star.png");
}

hx::trellan::Image ImageSet::YELP20()
{
    return imageOf(SlotYelp20, "stars_large@2x_2star.png");
}

hx::trellan::Image ImageSet::YELP15()
{
    return imageOf(SlotYelp15, "stars_large@2x_1.5star.png");
}

hx::trellan::Image ImageSet::YELP10()
{
    return imageOf(SlotYelp10, "stars_large@2x_1star.png");
}

hx::trellan::Image ImageSet::ACTIONMAP()
{
    return imageOf(SlotActionmap, "ic_map.png");
}

hx::trellan::Image ImageSet::ADDCONTACT()
{
    return imageOf(SlotAddcontact, "ic_add_contact.png");
}

hx::trellan::Image ImageSet::ADDPLACE()
{
    return imageOf(SlotAddplace, "ic_add_as_place.png");
}

hx::trellan::Image ImageSet::MOREDETAILS()
{
    return imageOf(SlotMoredetails, "cc_more.png");
}

hx::trellan::Image ImageSet::MY_WORK()
{
    return imageOf(SlotMyWork, "ic_work.png");
}

hx::trellan::Image ImageSet::CONTACT()
{
    return imageOf(SlotContact, "contact.png");
}

hx::trellan::Image ImageSet::OPENTABLE()
{
    return imageOf(SlotOpentable, "ic_opentable_sml.png");
}

hx::trellan::Image ImageSet::AUTOMOTIVE()
{
    return imageOf(SlotAutomotive, "ic_automotive.png");
}

hx::trellan::Image ImageSet::TRAVEL()
{
    return imageOf(SlotTravel, "ic_travel.png");
}

hx::trellan::Image ImageSet::SHOPPING()
{
    return imageOf(SlotShopping, "ic_shopping.png");
}

hx::trellan::Image ImageSet::FOOD()
{
    return imageOf(SlotFood, "ic_food.png");
}

hx::trellan::Image ImageSet::PUBLICOFFICES()
{
    return imageOf(SlotPublicoffices, "ic_publicoffices.png");
}

hx::trellan::Image ImageSet::PERSONALSERVICES()
{
    return imageOf(SlotPersonalservices, "ic_personalservices.png");
}

hx::trellan::Image ImageSet::LODGING()
{
    return imageOf(SlotLodging, "ic_lodging.png");
}

hx::trellan::Image ImageSet::HEALTH()
{
    return imageOf(SlotHealth, "ic_health.png");
}

hx::trellan::Image ImageSet::ENTERTAINMENT()
{
    return imageOf(SlotEntertainment, "ic_entertainment.png");
}

hx::trellan::Image ImageSet::BANK()
{
    return imageOf(SlotBank, "ic_banks_atm.png");
}

hx::trellan::Image ImageSet::WEBLINK()
{
    return imageOf(SlotWeblink, "ic_weblink.png");
}

hx::trellan::Image ImageSet::PHONE()
{
    return imageOf(SlotPhone, "ic_phone.png");
}

hx::trellan::Image ImageSet::PAYMENT()
{
    return imageOf(SlotPayment, "ic_payment.png");
}

hx::trellan::Image ImageSet::PRICERANGE()
{
    return imageOf(SlotPricerange, "ic_pricerange.png");
}

hx::trellan::Image ImageSet::RESERVATIONS()
{
    return imageOf(SlotReservations, "ic_reservations.png");
}

hx::trellan::Image ImageSet::PARKING()
{
    return imageOf(SlotParking, "ic_parking.png");
}

hx::trellan::Image ImageSet::HOURS()
{
    return imageOf(SlotHours, "ic_hours.png");
}

hx::trellan::Image ImageSet::GAS()
{
    return imageOf(SlotGas, "ic_gas.png");
}

hx::trellan::Image ImageSet::AIRPORT()
{
    return imageOf(SlotAirport, "ic_airport.png");
}

hx::trellan::Image ImageSet::CATEGORY()
{
    return imageOf(SlotCategory, "ic_category.png");
}

hx::trellan::Image ImageSet::NOMAP()
{
    return imageOf(SlotNomap, "ic_no_map.png");
}

hx::trellan::Image ImageSet::MAP()
{
    return imageOf(SlotMap, "ic_poi.png");
}

hx::trellan::Image ImageSet::GEOCODED()
{
    return imageOf(SlotGeocoded, "ic_poi.png");
}

hx::trellan::Image ImageSet::POI()
{
    return imageOf(SlotPoi, "ic_poi.png");
}

hx::trellan::Image ImageSet::CONTACT_WORK_PHONE()
{
    return imageOf(SlotContactWorkPhone, "ic_contact_work_phone.png");
}

hx::trellan::Image ImageSet::CONTACT_NO_PHOTO()
{
    return imageOf(SlotContactNoPhoto, "ic_contact_border.png");
}

hx::trellan::Image ImageSet::CONTACT_MOBILE_PHONE()
{
    return imageOf(SlotContactMobilePhone, "ic_contact_mobile_phone.png");
}

hx::trellan::Image ImageSet::CONTACT_HOME_PHONE()
{
    return imageOf(SlotContactHomePhone, "ic_contact_home_phone.png");
}

hx::trellan::Image ImageSet::CONTACT_WORK()
{
    return imageOf(SlotContactWork, "ic_contact_work.png");
}

hx::trellan::Image ImageSet::CONTACT_HOME()
{
    return imageOf(SlotContactHome, "ic_contact_home.png");
}

hx::trellan::Image ImageSet::MY_HOME()
{
    return imageOf(SlotMyHome, "ic_home.png");
}

hx::trellan::Image ImageSet::FAVORITE()
{
    return imageOf(SlotFavorite, "favorite.png");
}

} // namespace places
} // namespace trellan
} // namespace hx
