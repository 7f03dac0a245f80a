#ifndef HX_TRELLAN_COLOR_H
#define HX_TRELLAN_COLOR_H

#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace hx {
namespace trellan {

// An ARGB colour, or none (a null colour leaves the base value in place).
class Color
{
public:
    Color() = default;

    static Color fromARGB(quint32 argb);
    static Color fromRGBA(float red, float green, float blue, float alpha = 1.0f);

    static const Color White;
    static const Color LightGray;
    static const Color Gray;
    static const Color DarkGray;
    static const Color Black;
    static const Color Red;
    static const Color Green;
    static const Color Blue;
    static const Color Cyan;
    static const Color Transparent;

    bool isNull() const { return m_null; }
    quint32 argb() const { return m_argb; }
    int alpha() const { return int(m_argb >> 24); }
    QString toString() const; // "#AARRGGBB", or "none"

    bool operator==(const Color &other) const { return m_null == other.m_null && m_argb == other.m_argb; }
    bool operator!=(const Color &other) const { return !(*this == other); }

private:
    bool m_null = true;
    quint32 m_argb = 0;
};

} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::Color)

#endif
