#ifndef HX_TRELLAN_PLACES_BROWSERUTILS_H
#define HX_TRELLAN_PLACES_BROWSERUTILS_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QObject>
#include <QtCore/QUrl>

namespace hx {
namespace system {
class InvokeManager;
}
namespace trellan {
namespace places {

// Opens web addresses in the browser.
class HXPLACES_EXPORT BrowserUtils : public QObject
{
    Q_OBJECT
public:
    explicit BrowserUtils(QObject *parent = nullptr);
    ~BrowserUtils() override;

    // False for an empty address or when the request could not be sent; an address without a
    // scheme is opened as "http".
    bool openUri(const QUrl &uri);

private slots:
    void onInvokeReplyFinished();

private:
    hx::system::InvokeManager *m_invokeManager;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
