#ifndef HX_TRELLAN_PLACES_LOCATINGVIEW_H
#define HX_TRELLAN_PLACES_LOCATINGVIEW_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/selectorcoordinate.h>

#include <hx/platform/places/location.h>

#include <QtCore/QFinalState>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QScopedPointer>
#include <QtCore/QState>

class QStateMachine;

namespace hx {
namespace trellan {
class Container;
class QmlDocument;
namespace places {

class GeolocationFixChecker;
class ReverseGeocoderChecker;

// Locates the user and names the place, for screens that draw their own locating view from the
// application's "qrc:/assets/LocatingView.qml". A state machine chains a fix checker (background
// preset) and a reverse-geocoder checker; done() carries the address, or an empty Location.
class HXPLACES_EXPORT LocatingView : public QObject
{
    Q_OBJECT

public:
    class StateStart : public QState
    {
    public:
        explicit StateStart(LocatingView *view, QState *parent = nullptr);

    protected:
        void onEntry(QEvent *event) override;

    private:
        LocatingView *m_view;
    };

    class StateLocationFound : public QState
    {
    public:
        explicit StateLocationFound(LocatingView *view, QState *parent = nullptr);

    protected:
        void onEntry(QEvent *event) override;

    private:
        LocatingView *m_view;
    };

    class StateDone : public QFinalState
    {
    public:
        explicit StateDone(LocatingView *view, QState *parent = nullptr);

    protected:
        void onEntry(QEvent *event) override;

    private:
        LocatingView *m_view;
    };

    explicit LocatingView(QObject *parent = nullptr);
    ~LocatingView() override;

    // The document's root, or null when it is missing or not a Container. Owned by the view.
    hx::trellan::Container *getVisualNodeRoot() const;
    // Builds and starts the state machine; connect done() and the progress signals first.
    void startStates();

signals:
    void locationFound();
    void locationNotFound();
    void geocoded();
    void viewReady();
    void done(hx::platform::places::Location location);
    void startedReverseGeocoding();

public slots:
    void onGeolocationFix(hx::trellan::places::SelectorCoordinate fix);
    void onGeocoded(hx::platform::places::Location location);

private:
    void startLocating();
    void startNaming();
    void finish();

    SelectorCoordinate m_fix;
    hx::platform::places::Location m_result;
    hx::trellan::Container *m_root;
    QStateMachine *m_machine;
    QPointer<GeolocationFixChecker> m_fixChecker;
    QPointer<ReverseGeocoderChecker> m_geocoderChecker;
    QScopedPointer<hx::trellan::QmlDocument> m_document;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
