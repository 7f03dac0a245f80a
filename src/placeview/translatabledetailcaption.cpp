#include <hx/trellan/places/translatabledetailcaption.h>

#include <hx/trellan/places/placeviewutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

namespace {

const char *const captions[] = { "",
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Today's Hours"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Cuisine"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Category"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Amenities"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Phone Number"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Website"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Parking"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Reservations"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Dress Code"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Live Entertainment"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Price Range"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Payment Method"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Wi-Fi"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Toll Number"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "FAX"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Email"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Work Phone Number"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Home Phone Number"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Mobile Phone Number"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Description"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Type"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Speciality"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Hours of operation"),
                                 QT_TRANSLATE_NOOP("PlacesDetail", "Make a reservation") };

constexpr int lastCaption = int(sizeof(captions) / sizeof(captions[0])) - 1;

int validType(int type)
{
    return type >= 1 && type <= lastCaption ? type : 0;
}

} // namespace

TranslatableDetailCaption::TranslatableDetailCaption(int type, QObject *parent)
    : Label(parent), m_type(CaptionType(validType(type)))
{
    setObjectName(QStringLiteral("DetailCaption"));
    setTextStyle(PlaceViewUtils::supportingTextMediumTextStyle());
    retranslateUI();
}

QString TranslatableDetailCaption::captionText(int type)
{
    const int valid = validType(type);
    return valid ? QCoreApplication::translate("PlacesDetail", captions[valid]) : QString();
}

const char *TranslatableDetailCaption::englishText(int type)
{
    return captions[validType(type)];
}

void TranslatableDetailCaption::retranslateUI()
{
    setText(captionText(m_type));
}

} // namespace places
} // namespace trellan
} // namespace hx
