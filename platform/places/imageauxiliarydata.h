#ifndef HX_PLATFORM_PLACES_IMAGEAUXILIARYDATA_H
#define HX_PLATFORM_PLACES_IMAGEAUXILIARYDATA_H

#include <hx/platform/places/auxiliarydata.h>

#include <QtCore/QUrl>

namespace hx {
namespace platform {
namespace places {

// A typed view of one picture of a place: its thumbnail address.
class ImageAuxiliaryData : public AuxiliaryData
{
public:
    ImageAuxiliaryData();
    // A view of other data; the type is set to TypeImage.
    explicit ImageAuxiliaryData(const AuxiliaryData &data);

    QUrl url() const;
    // A picture is usable when it has an address.
    bool isValid() const { return !url().isEmpty(); }

    void setUrl(const QUrl &value);
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::ImageAuxiliaryData)

#endif
