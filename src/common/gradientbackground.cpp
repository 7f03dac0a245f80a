#include <hx/trellan/places/gradientbackground.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/imagepaint.h>
#include <hx/trellan/places/imageset.h>

namespace hx {
namespace trellan {
namespace places {

GradientBackground::GradientBackground(QObject *parent) : Container(parent)
{
    setObjectName(QStringLiteral("GradientBackground"));
    setHorizontalAlignment(HorizontalAlignment::Fill);
    setVerticalAlignment(VerticalAlignment::Fill);
    setBackground(ImagePaint(ImageSet::RATING_BAR_GRADIENT(), ImagePaint::XY));
}

} // namespace places
} // namespace trellan
} // namespace hx
