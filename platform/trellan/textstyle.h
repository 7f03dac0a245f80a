#ifndef HX_TRELLAN_TEXTSTYLE_H
#define HX_TRELLAN_TEXTSTYLE_H

#include <hx/trellan/color.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace hx {
namespace trellan {

// A text style: a named system base ("body", "primary", "small", "title", "subtitle") and the
// values that override it. A size or weight of 0 and a null colour keep the base's value.
class TextStyle
{
public:
    TextStyle() = default;
    explicit TextStyle(const QString &base) : m_base(base) { }

    QString base() const { return m_base; }
    void setBase(const QString &base) { m_base = base; }
    int fontSize() const { return m_fontSize; }
    void setFontSize(int size) { m_fontSize = size; }
    int fontWeight() const { return m_fontWeight; }
    void setFontWeight(int weight) { m_fontWeight = weight; }
    Color color() const { return m_color; }
    void setColor(const Color &color) { m_color = color; }
    void resetColor() { m_color = Color(); }

    QString toString() const;

    bool operator==(const TextStyle &other) const;
    bool operator!=(const TextStyle &other) const { return !(*this == other); }

private:
    QString m_base;
    int m_fontSize = 0;
    int m_fontWeight = 0;
    Color m_color;
};

// The system's base styles.
class SystemDefaults
{
public:
    class TextStyles
    {
    public:
        static TextStyle bodyText() { return TextStyle(QStringLiteral("body")); }
        static TextStyle primaryText() { return TextStyle(QStringLiteral("primary")); }
        static TextStyle smallText() { return TextStyle(QStringLiteral("small")); }
        static TextStyle titleText() { return TextStyle(QStringLiteral("title")); }
        static TextStyle subtitleText() { return TextStyle(QStringLiteral("subtitle")); }
        static TextStyle bigText() { return TextStyle(QStringLiteral("big")); }
    };
};

} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::TextStyle)

#endif
