#ifndef HX_TRELLAN_PLACES_WEBREVIEW_H
#define HX_TRELLAN_PLACES_WEBREVIEW_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/sheet.h>

#include <QtCore/QUrl>

namespace hx {
namespace trellan {
class NavigationPane;
class Page;
class WebView;
namespace places {

// A web page inside the application (the full reviews, a booking page); opens itself. Back
// walks the page's own history first, then closes the sheet.
class HXPLACES_EXPORT WebReview : public hx::trellan::Sheet
{
    Q_OBJECT

public:
    explicit WebReview(const QUrl &url, QObject *parent = nullptr);
    ~WebReview() override;

    hx::trellan::WebView *webView() const { return m_webView; }

public slots:
    void onClose();
    void onPopTransitionEnded(hx::trellan::Page *page);

private:
    hx::trellan::NavigationPane *m_pane;
    hx::trellan::WebView *m_webView;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
