#include <hx/trellan/places/translatableheader.h>

#include <hx/trellan/places/placeviewutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

namespace {

const char *const headers[]
    = { "", QT_TRANSLATE_NOOP("PlacesDetail", "Hours"), QT_TRANSLATE_NOOP("PlacesDetail", "Additional Information"),
        QT_TRANSLATE_NOOP("PlacesDetail", "Contact Information"), QT_TRANSLATE_NOOP("PlacesDetail", "More") };

int validType(int type)
{
    return type >= 1 && type <= 4 ? type : 0;
}

} // namespace

TranslatableHeader::TranslatableHeader(int type, QObject *parent) : Label(parent), m_type(HeaderType(validType(type)))
{
    setObjectName(QStringLiteral("DetailHeader"));
    setTextStyle(PlaceViewUtils::bodyTextTextStyle());
    retranslateUI();
}

QString TranslatableHeader::headerText(int type)
{
    const int valid = validType(type);
    return valid ? QCoreApplication::translate("PlacesDetail", headers[valid]) : QString();
}

void TranslatableHeader::retranslateUI()
{
    setText(headerText(m_type));
}

} // namespace places
} // namespace trellan
} // namespace hx
