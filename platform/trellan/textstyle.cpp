#include <hx/trellan/textstyle.h>

namespace hx {
namespace trellan {

QString TextStyle::toString() const
{
    return QStringLiteral("%1 size %2 weight %3 colour %4")
        .arg(m_base.isEmpty() ? QStringLiteral("default") : m_base)
        .arg(m_fontSize)
        .arg(m_fontWeight)
        .arg(m_color.toString());
}

bool TextStyle::operator==(const TextStyle &other) const
{
    return m_base == other.m_base && m_fontSize == other.m_fontSize && m_fontWeight == other.m_fontWeight
        && m_color == other.m_color;
}

} // namespace trellan
} // namespace hx
