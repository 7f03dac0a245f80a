#include <hx/trellan/color.h>

#include <QtCore/QtMath>

namespace hx {
namespace trellan {

const Color Color::White = Color::fromARGB(0xFFFFFFFF);
const Color Color::LightGray = Color::fromARGB(0xFFC0C0C0);
const Color Color::Gray = Color::fromARGB(0xFFA0A0A4);
const Color Color::DarkGray = Color::fromARGB(0xFF808080);
const Color Color::Black = Color::fromARGB(0xFF000000);
const Color Color::Red = Color::fromARGB(0xFFFF0000);
const Color Color::Green = Color::fromARGB(0xFF00FF00);
const Color Color::Blue = Color::fromARGB(0xFF0000FF);
const Color Color::Cyan = Color::fromARGB(0xFF00FFFF);
const Color Color::Transparent = Color::fromARGB(0x00000000);

Color Color::fromARGB(quint32 argb)
{
    Color color;
    color.m_null = false;
    color.m_argb = argb;
    return color;
}

Color Color::fromRGBA(float red, float green, float blue, float alpha)
{
    auto channel = [](float value) { return quint32(qBound(0, qRound(value * 255.0f), 255)); };
    return fromARGB(channel(alpha) << 24 | channel(red) << 16 | channel(green) << 8 | channel(blue));
}

QString Color::toString() const
{
    if (m_null)
        return QStringLiteral("none");
    return QString::asprintf("#%08X", m_argb);
}

} // namespace trellan
} // namespace hx
