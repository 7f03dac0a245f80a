#include <hx/trellan/textarea.h>

namespace hx {
namespace trellan {

TextArea::TextArea(QObject *parent) : AbstractTextControl(parent) { }

TextArea::TextArea(const QString &text, QObject *parent) : AbstractTextControl(parent)
{
    storeText(text);
}

void TextArea::typeText(const QString &text)
{
    if (!m_editable || !isEnabled())
        return;
    requestFocus();
    for (const QChar character : text) {
        storeText(this->text() + character);
        emit textChanging(this->text());
    }
    const QString typed = this->text();
    storeText(QString());
    setText(typed);
}

} // namespace trellan
} // namespace hx
