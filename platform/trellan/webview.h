#ifndef HX_TRELLAN_WEBVIEW_H
#define HX_TRELLAN_WEBVIEW_H

#include <hx/trellan/control.h>

#include <QtCore/QUrl>

namespace hx {
namespace trellan {

// A web page by URL. Nothing is fetched: the view keeps the history of URLs it was given, so
// going back works as a browser's would.
class WebView : public Control
{
    Q_OBJECT
    Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY urlChanged)
    Q_PROPERTY(bool canGoBack READ canGoBack NOTIFY navigationHistoryChanged)
public:
    explicit WebView(QObject *parent = nullptr);

    QUrl url() const { return m_history.value(m_current); }
    void setUrl(const QUrl &url);
    bool canGoBack() const { return m_current > 0; }
    QList<QUrl> history() const { return m_history; }

public slots:
    void goBack();

signals:
    void urlChanged(const QUrl &url);
    void navigationHistoryChanged();

private:
    QList<QUrl> m_history;
    int m_current = -1;
};

} // namespace trellan
} // namespace hx

#endif
