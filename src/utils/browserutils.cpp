#include <hx/trellan/places/browserutils.h>

#include <hx/system/invokemanager.h>
#include <hx/system/invokerequest.h>
#include <hx/system/invoketargetreply.h>
#include <hx/trellan/places/log.h>

using hx::system::InvokeTargetReply;

namespace hx {
namespace trellan {
namespace places {

BrowserUtils::BrowserUtils(QObject *parent) : QObject(parent), m_invokeManager(new hx::system::InvokeManager(this)) { }

BrowserUtils::~BrowserUtils() = default;

bool BrowserUtils::openUri(const QUrl &uri)
{
    if (uri.isEmpty()) {
        Log::critical() << "hx::trellan::places::BrowserUtils::openUri(): uri is empty. Aborting the open URI request.";
        return false;
    }
    QUrl address = uri;
    if (address.scheme().isEmpty()) {
        // "www.example.com/menu" parses as a relative path; read it again as a host and path.
        address = QUrl(QStringLiteral("http://") + uri.toString(), QUrl::TolerantMode);
    }

    hx::system::InvokeRequest request;
    request.setAction(QStringLiteral("hx.action.OPEN"));
    request.setMimeType(QStringLiteral("text/html;application/xhtml+xml"));
    request.setTarget(QStringLiteral("sys.browser"));
    request.setUri(address);
    InvokeTargetReply *reply = m_invokeManager->invoke(request);
    if (!reply) {
        Log::warning() << "BrowserUtils::openUri(): invoke message could not be sent";
        return false;
    }
    connect(reply, &InvokeTargetReply::finished, this, &BrowserUtils::onInvokeReplyFinished);
    return true;
}

void BrowserUtils::onInvokeReplyFinished()
{
    auto *reply = qobject_cast<InvokeTargetReply *>(sender());
    if (!reply)
        return;
    if (reply->errorCode() != 0)
        Log::warning() << "hx::trellan::places::BrowserUtils::onInvokeReplyFinished(): failed invoking, error ="
                       << reply->errorCode();
    reply->deleteLater();
}

} // namespace places
} // namespace trellan
} // namespace hx
