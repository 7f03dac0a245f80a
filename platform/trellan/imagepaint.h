#ifndef HX_TRELLAN_IMAGEPAINT_H
#define HX_TRELLAN_IMAGEPAINT_H

#include <hx/trellan/image.h>

#include <QtCore/QMetaType>

namespace hx {
namespace trellan {

// A background made of an image, stretched or repeated.
class ImagePaint
{
public:
    enum RepeatPattern { Fill = 0, X = 1, Y = 2, XY = 3 };

    ImagePaint() = default;
    ImagePaint(const Image &image, RepeatPattern repeat = Fill) : m_image(image), m_repeat(repeat) { }

    Image image() const { return m_image; }
    RepeatPattern repeatPattern() const { return m_repeat; }

    bool operator==(const ImagePaint &other) const { return m_image == other.m_image && m_repeat == other.m_repeat; }

private:
    Image m_image;
    RepeatPattern m_repeat = Fill;
};

} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::ImagePaint)

#endif
