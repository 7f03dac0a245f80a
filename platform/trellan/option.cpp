#include <hx/trellan/option.h>

namespace hx {
namespace trellan {

Option::Option(QObject *parent) : UIObject(parent) { }

Option::Option(const QString &text, const QVariant &value, QObject *parent)
    : UIObject(parent), m_text(text), m_value(value)
{ }

void Option::setImageSource(const QUrl &source)
{
    m_source = source;
    m_image = Image(source);
}

void Option::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    emit selectedChanged(selected);
}

} // namespace trellan
} // namespace hx
