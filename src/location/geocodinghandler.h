#ifndef HX_TRELLAN_PLACES_GEOCODINGHANDLER_H
#define HX_TRELLAN_PLACES_GEOCODINGHANDLER_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <hx/platform/places/address.h>
#include <hx/platform/places/location.h>
#include <hx/system/systemuiresult.h>

#include <QtCore/QList>
#include <QtCore/QMutex>
#include <QtCore/QObject>

namespace hx {
namespace system {
class SystemDialog;
}
namespace trellan {
namespace places {

// Geocodes an address with the user watching: a "Retrieving details..." dialog
// that can be cancelled, and a question when nothing is found. Each start()
// makes the previous request's answer stale; finished() follows once per
// start().
class HXPLACES_EXPORT GeocodingHandler : public QObject, public PickerRetrans
{
    Q_OBJECT

public:
    explicit GeocodingHandler(QObject *parent = nullptr);
    ~GeocodingHandler() override;

    // text: how the address is named to the user in the not-found question.
    void start(const QString &text, const hx::platform::places::Address &address);
    void retranslateUI() override;

signals:
    void finished(QList<hx::platform::places::Location> list, bool userCancelled);

private slots:
    void onGeocodingFinished(QString label, QList<hx::platform::places::Location> list, int id);
    void onCancelGeocoding(hx::system::SystemUiResult::Type value);

private:
    enum DialogState { Idle = 0, Retrieving = 1, NotFound = 2 };

    hx::system::SystemDialog *m_dialog;
    int m_requestId; // the request whose answer is awaited; -1 after a cancel
    int m_lastId;
    QMutex m_mutex; // guards m_requestId and m_lastId
    int m_state;
    QString m_text;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
