#include <hx/trellan/textarea.h>

namespace hx {
namespace trellan {

TextArea::TextArea(QObject *parent) : AbstractTextControl(parent)
{
    followCommits();
}

TextArea::TextArea(const QString &text, QObject *parent) : AbstractTextControl(parent)
{
    storeText(text);
    m_committed = text;
    followCommits();
}

void TextArea::followCommits()
{
    connect(this, &AbstractTextControl::textChanged, this, [this](const QString &text) { m_committed = text; });
    connect(this, &Control::focusedChanged, this, [this](bool focused) {
        if (!focused)
            commit();
    });
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
}

void TextArea::pasteText(const QString &text)
{
    if (!m_editable || !isEnabled())
        return;
    requestFocus();
    storeText(this->text() + text);
    emit textChanging(this->text());
}

void TextArea::commit()
{
    if (m_committed == text())
        return;
    m_committed = text();
    emit textChanged(m_committed);
}

} // namespace trellan
} // namespace hx
