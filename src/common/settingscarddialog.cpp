#include <hx/system/carddonemessage.h>
#include <hx/system/invokemanager.h>
#include <hx/system/invokerequest.h>
#include <hx/system/invoketargetreply.h>
#include <hx/system/systemdialog.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/settingscarddialog.h>

namespace hx {
namespace trellan {
namespace places {

SettingsCardDialog::SettingsCardDialog(const QString &settingsUri, QObject *parent)
    : SystemDialogWrapper(parent), m_settingsUri(settingsUri)
{
    connect(dialog(), &hx::system::SystemDialog::finished, this, &SettingsCardDialog::onFinished);
}

SettingsCardDialog::~SettingsCardDialog() = default;

void SettingsCardDialog::onFinished(hx::system::SystemUiResult::Type result)
{
    if (result != hx::system::SystemUiResult::ConfirmButtonSelection) {
        dropDialog();
        emit done(false);
        return;
    }
    if (!m_invokeManager) {
        m_invokeManager = new hx::system::InvokeManager(this);
        connect(m_invokeManager, &hx::system::InvokeManager::childCardDone, this, &SettingsCardDialog::childCardDone);
    }
    hx::system::InvokeRequest request;
    request.setAction(QStringLiteral("hx.action.OPEN"));
    request.setMimeType(QStringLiteral("settings/view"));
    request.setTarget(QStringLiteral("sys.settings.card"));
    request.setUri(QUrl(m_settingsUri));
    hx::system::InvokeTargetReply *reply = m_invokeManager->invoke(request);
    if (!reply) {
        onInvocationFailed();
        return;
    }
    connect(reply, &hx::system::InvokeTargetReply::finished, this, &SettingsCardDialog::onInvokeFinished);
}

void SettingsCardDialog::onInvokeFinished()
{
    auto *reply = qobject_cast<hx::system::InvokeTargetReply *>(sender());
    if (!reply)
        return;
    const int error = reply->errorCode();
    reply->deleteLater();
    if (error != 0)
        onInvocationFailed();
}

void SettingsCardDialog::onInvocationFailed()
{
    // No settings card will ever return: the user is where a decline leaves them.
    Log::warning() << "hx::trellan::places::SettingsCardDialog::onInvokeFinished() the settings card cannot be "
                      "opened: "
                   << m_settingsUri;
    dropDialog();
    emit done(false);
}

void SettingsCardDialog::childCardDone(const hx::system::CardDoneMessage &message)
{
    Q_UNUSED(message)
    // Only the return matters: the settings the user may have changed are read again by the caller.
    dropDialog();
    emit done(true);
}

} // namespace places
} // namespace trellan
} // namespace hx
