#include <hx/system/carddonemessage.h>
#include <hx/system/invokemanager.h>
#include <hx/system/invokerequest.h>
#include <hx/system/systemdialog.h>
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
    m_invokeManager->invoke(request);
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
