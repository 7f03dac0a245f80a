#ifndef HX_TRELLAN_PLACES_IMAGESET_H
#define HX_TRELLAN_PLACES_IMAGESET_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QAtomicPointer>
#include <QtCore/QString>
#include <hx/trellan/image.h>

namespace hx {
namespace trellan {
namespace places {

// One cached image and where it came from. The named images below are loaded once per process,
// on first use, from the library's embedded images or else from the application's assets.
class HXPLACES_EXPORT ImageSet
{
public:
    ImageSet() = default;
    ImageSet(const hx::trellan::Image &image, const QString &source);

    hx::trellan::Image image() const { return m_image; }
    QString source() const { return m_source; }
    // The image could be loaded.
    bool loaded() const { return !m_image.isNull(); }

    bool operator==(const ImageSet &other) const { return m_image == other.m_image; }
    bool operator!=(const ImageSet &other) const { return !(*this == other); }

    // Fills an empty slot once: the library's image of that name, else the application's; an
    // empty name gives an empty image. A filled slot is kept, loaded or not, until clean().
    static void checkAndInitialize(QAtomicPointer<ImageSet> &slot, const QString &name);
    // Empties every slot, so the next access loads again.
    static void clean();

    static hx::trellan::Image EMPTY_MAP();
    static hx::trellan::Image LIST_ITEM_CORNER_FAVORITE();
    static hx::trellan::Image COLLAPSE_CONTENT();
    static hx::trellan::Image EXPAND_CONTENT();
    static hx::trellan::Image EMPTYLIST_CONTACTS();
    static hx::trellan::Image EMPTYLIST_RECENTS();
    static hx::trellan::Image EMPTYLIST_FAVORITES();
    static hx::trellan::Image LISTBUTTON();
    static hx::trellan::Image PUSH_PIN();
    static hx::trellan::Image FAVORITE_CORNER_STAR();
    static hx::trellan::Image DESCRIPTION();
    static hx::trellan::Image EMAIL();
    static hx::trellan::Image MYPLACESPRESSED();
    static hx::trellan::Image MYPLACES();
    static hx::trellan::Image NONE();
    static hx::trellan::Image RATING_BAR_GRADIENT();
    static hx::trellan::Image FORWARD();
    static hx::trellan::Image YELP_LOGO();
    static hx::trellan::Image YELP50();
    static hx::trellan::Image YELP45();
    static hx::trellan::Image YELP40();
    static hx::trellan::Image YELP35();
    static hx::trellan::Image YELP30();
    static hx::trellan::Image YELP25();
    static hx::trellan::Image YELP20();
    static hx::trellan::Image YELP15();
    static hx::trellan::Image YELP10();
    static hx::trellan::Image ACTIONMAP();
    static hx::trellan::Image ADDCONTACT();
    static hx::trellan::Image ADDPLACE();
    static hx::trellan::Image MOREDETAILS();
    static hx::trellan::Image MY_WORK();
    static hx::trellan::Image CONTACT();
    static hx::trellan::Image OPENTABLE();
    static hx::trellan::Image AUTOMOTIVE();
    static hx::trellan::Image TRAVEL();
    static hx::trellan::Image SHOPPING();
    static hx::trellan::Image FOOD();
    static hx::trellan::Image PUBLICOFFICES();
    static hx::trellan::Image PERSONALSERVICES();
    static hx::trellan::Image LODGING();
    static hx::trellan::Image HEALTH();
    static hx::trellan::Image ENTERTAINMENT();
    static hx::trellan::Image BANK();
    static hx::trellan::Image WEBLINK();
    static hx::trellan::Image PHONE();
    static hx::trellan::Image PAYMENT();
    static hx::trellan::Image PRICERANGE();
    static hx::trellan::Image RESERVATIONS();
    static hx::trellan::Image PARKING();
    static hx::trellan::Image HOURS();
    static hx::trellan::Image GAS();
    static hx::trellan::Image AIRPORT();
    static hx::trellan::Image CATEGORY();
    static hx::trellan::Image NOMAP();
    static hx::trellan::Image MAP();
    static hx::trellan::Image GEOCODED();
    static hx::trellan::Image POI();
    static hx::trellan::Image CONTACT_WORK_PHONE();
    static hx::trellan::Image CONTACT_NO_PHOTO();
    static hx::trellan::Image CONTACT_MOBILE_PHONE();
    static hx::trellan::Image CONTACT_HOME_PHONE();
    static hx::trellan::Image CONTACT_WORK();
    static hx::trellan::Image CONTACT_HOME();
    static hx::trellan::Image MY_HOME();
    static hx::trellan::Image FAVORITE();

private:
    hx::trellan::Image m_image;
    QString m_source;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
