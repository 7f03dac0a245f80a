#include <hx/trellan/places/webreview.h>

#include <hx/trellan/actionitem.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/navigationpaneproperties.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/resourceutils.h>
#include <hx/trellan/scrollview.h>
#include <hx/trellan/webview.h>

namespace hx {
namespace trellan {
namespace places {

WebReview::WebReview(const QUrl &url, QObject *parent)
    : hx::trellan::Sheet(parent), m_pane(new NavigationPane(this)), m_webView(new WebView(this))
{
    setObjectName(QStringLiteral("WebReview"));
    setPeekEnabled(false);
    m_pane->setPeekEnabled(false);

    m_webView->setObjectName(QStringLiteral("WebView"));
    auto *scroll = new ScrollView(m_webView, this);
    scroll->setScrollMode(3);
    scroll->setPinchToZoomEnabled(true);

    auto *page = new Page(m_pane);
    page->setContent(scroll);
    auto *back = new ActionItem(page);
    back->setObjectName(QStringLiteral("BackAction"));
    back->setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("back.png"))));
    connect(back, &ActionItem::triggered, this, &WebReview::onClose);
    auto *properties = new NavigationPaneProperties(page);
    properties->setBackButton(back);
    page->setPaneProperties(properties);

    m_pane->push(page);
    connect(m_pane, &NavigationPane::popTransitionEnded, this, &WebReview::onPopTransitionEnded);
    setContent(m_pane);
    m_webView->setUrl(url);
    open();
}

WebReview::~WebReview() = default;

void WebReview::onClose()
{
    if (m_webView->canGoBack()) {
        m_webView->goBack();
        return;
    }
    // Popped, not backed out of: the pane's back press is this very button.
    m_pane->pop();
    close();
}

void WebReview::onPopTransitionEnded(hx::trellan::Page *)
{
    close();
}

} // namespace places
} // namespace trellan
} // namespace hx
