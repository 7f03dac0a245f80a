#include <hx/platform/places/imageauxiliarydata.h>

#include <QtCore/QtNumeric>

namespace hx {
namespace platform {
namespace places {

ImageAuxiliaryData::ImageAuxiliaryData() : AuxiliaryData(QLatin1String(TypeImage)) { }

ImageAuxiliaryData::ImageAuxiliaryData(const AuxiliaryData &data) : AuxiliaryData(data)
{
    setType(QLatin1String(TypeImage));
}

QUrl ImageAuxiliaryData::url() const
{
    return QUrl(property(QStringLiteral("url")).toString());
}

void ImageAuxiliaryData::setUrl(const QUrl &value)
{
    setProperty(QStringLiteral("url"), value.isEmpty() ? QVariant() : QVariant(value.toString()));
}

} // namespace places
} // namespace platform
} // namespace hx
