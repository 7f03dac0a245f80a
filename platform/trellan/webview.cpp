#include <hx/trellan/webview.h>

namespace hx {
namespace trellan {

WebView::WebView(QObject *parent) : Control(parent) { }

void WebView::setUrl(const QUrl &url)
{
    if (url == this->url())
        return;
    while (m_history.size() > m_current + 1)
        m_history.removeLast();
    m_history.append(url);
    m_current = m_history.size() - 1;
    emit urlChanged(url);
    emit navigationHistoryChanged();
}

void WebView::goBack()
{
    if (!canGoBack())
        return;
    --m_current;
    emit urlChanged(url());
    emit navigationHistoryChanged();
}

} // namespace trellan
} // namespace hx
