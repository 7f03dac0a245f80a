#ifndef HX_TRELLAN_PLACES_SETTINGSCARDDIALOG_H
#define HX_TRELLAN_PLACES_SETTINGSCARDDIALOG_H

#include <hx/system/systemuiresult.h>
#include <hx/trellan/places/systemdialogwrapper.h>

#include <QtCore/QString>

namespace hx {
namespace system {
class CardDoneMessage;
class InvokeManager;
} // namespace system
namespace trellan {
namespace places {

// A dialog whose confirm button opens a page of the settings card. done(true) comes when the
// user is back from the settings card, whatever was changed there; any other button, or a
// settings card that cannot be opened, gives done(false).
class HXPLACES_EXPORT SettingsCardDialog : public SystemDialogWrapper
{
    Q_OBJECT

public:
    explicit SettingsCardDialog(const QString &settingsUri, QObject *parent = nullptr);
    ~SettingsCardDialog() override;

signals:
    void done(bool returnedFromSettings);

public slots:
    void childCardDone(const hx::system::CardDoneMessage &message);

private slots:
    void onFinished(hx::system::SystemUiResult::Type result);
    void onInvokeFinished();

private:
    void onInvocationFailed();

private:
    QString m_settingsUri;
    hx::system::InvokeManager *m_invokeManager = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
