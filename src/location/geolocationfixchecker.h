#ifndef HX_TRELLAN_PLACES_GEOLOCATIONFIXCHECKER_H
#define HX_TRELLAN_PLACES_GEOLOCATIONFIXCHECKER_H

#include <hx/trellan/places/geolocationrequest.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/selectorcoordinate.h>

#include <QtCore/QObject>

class QTimer;

namespace hx {
namespace trellan {
namespace places {

// Polls the fix of one location request until it is good enough or the deadline passes, and
// then emits the best fix seen, once. No dialog: the caller decides what to show.
class HXPLACES_EXPORT GeolocationFixChecker : public QObject
{
    Q_OBJECT

public:
    explicit GeolocationFixChecker(const GeolocationRequest &request, QObject *parent = nullptr);
    ~GeolocationFixChecker() override;

    // Asks for a fix and starts polling.
    void start();

signals:
    // A default coordinate (accuracy NaN) when no usable fix came in time.
    void done(hx::trellan::places::SelectorCoordinate coordinate);

public slots:
    void onCheckGeolocationFix();

private:
    void finish(const SelectorCoordinate &coordinate);

    QTimer *m_timer;
    int m_ticks;
    double m_bestAccuracy;
    SelectorCoordinate m_bestFix;
    GeolocationRequest m_request;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
