#ifndef HX_TRELLAN_PLACES_TRANSLATABLEDETAILCAPTION_H
#define HX_TRELLAN_PLACES_TRANSLATABLEDETAILCAPTION_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <hx/trellan/label.h>

namespace hx {
namespace trellan {
namespace places {

// The caption of a details row, in the phone's language.
class HXPLACES_EXPORT TranslatableDetailCaption : public hx::trellan::Label, public PickerRetrans
{
    Q_OBJECT
public:
    enum CaptionType {
        None = 0,
        TodaysHours = 1,
        Cuisine = 2,
        Category = 3,
        Amenities = 4,
        PhoneNumber = 5,
        Website = 6,
        Parking = 7,
        Reservations = 8,
        DressCode = 9,
        LiveEntertainment = 10,
        PriceRange = 11,
        PaymentMethod = 12,
        WiFi = 13,
        TollNumber = 14,
        Fax = 15,
        Email = 16,
        WorkPhoneNumber = 17,
        HomePhoneNumber = 18,
        MobilePhoneNumber = 19,
        Description = 20,
        Type = 21,
        Speciality = 22,
        HoursOfOperation = 23,
        MakeAReservation = 24
    };

    explicit TranslatableDetailCaption(int type, QObject *parent = nullptr);

    CaptionType captionType() const { return m_type; }
    // The caption in the current language; empty for a type outside 1 to 24.
    static QString captionText(int type);
    // The caption as written, before translation.
    static const char *englishText(int type);
    void retranslateUI() override;

private:
    CaptionType m_type;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
