#include <hx/trellan/places/locatingview.h>

#include <hx/trellan/places/geolocationfixchecker.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/reversegeocoderchecker.h>

#include <hx/device/displayinfo.h>
#include <hx/trellan/container.h>
#include <hx/trellan/qmldocument.h>

#include <QtCore/QStateMachine>

#include <cmath>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Location;

namespace {

const char DOCUMENT_URL[] = "qrc:/assets/LocatingView.qml";

// The sender is deleted too when a previous checker answers after a new one was made.
template<typename Checker> void dropChecker(QPointer<Checker> &current, QObject *sender)
{
    if (current)
        current->deleteLater();
    if (sender && sender != current.data())
        sender->deleteLater();
    current.clear();
}

} // namespace

LocatingView::StateStart::StateStart(LocatingView *view, QState *parent) : QState(parent), m_view(view) { }

void LocatingView::StateStart::onEntry(QEvent *event)
{
    QState::onEntry(event);
    m_view->startLocating();
}

LocatingView::StateLocationFound::StateLocationFound(LocatingView *view, QState *parent) : QState(parent), m_view(view)
{ }

void LocatingView::StateLocationFound::onEntry(QEvent *event)
{
    QState::onEntry(event);
    m_view->startNaming();
}

LocatingView::StateDone::StateDone(LocatingView *view, QState *parent) : QFinalState(parent), m_view(view) { }

void LocatingView::StateDone::onEntry(QEvent *event)
{
    QFinalState::onEntry(event);
    m_view->finish();
}

LocatingView::LocatingView(QObject *parent)
    : QObject(parent),
      m_root(nullptr),
      m_machine(nullptr),
      m_document(hx::trellan::QmlDocument::create(QLatin1String(DOCUMENT_URL)))
{
    hx::device::DisplayInfo::registerQmlType();
    m_root = m_document->createRootObject<hx::trellan::Container>();
    if (m_root)
        m_root->setParent(this);
}

LocatingView::~LocatingView()
{
    // The checkers have no parent: a view closed mid-check takes its running checkers with it.
    delete m_fixChecker;
    delete m_geocoderChecker;
}

hx::trellan::Container *LocatingView::getVisualNodeRoot() const
{
    return m_root;
}

void LocatingView::startStates()
{
    if (m_machine)
        m_machine->deleteLater();
    m_machine = new QStateMachine(this);
    auto *stateDone = new StateDone(this);
    auto *stateLocationFound = new StateLocationFound(this);
    auto *stateStart = new StateStart(this);
    m_machine->addState(stateDone);
    m_machine->addState(stateLocationFound);
    m_machine->addState(stateStart);
    stateStart->addTransition(this, &LocatingView::locationFound, stateLocationFound);
    stateStart->addTransition(this, &LocatingView::locationNotFound, stateDone);
    stateLocationFound->addTransition(this, &LocatingView::geocoded, stateDone);
    m_machine->setInitialState(stateStart);
    m_machine->start();
}

void LocatingView::startLocating()
{
    if (m_fixChecker)
        m_fixChecker->deleteLater();
    m_fixChecker = new GeolocationFixChecker(PlaceUtils::mylocationRequest_zant);
    qRegisterMetaType<SelectorCoordinate>("hx::trellan::places::SelectorCoordinate");
    connect(m_fixChecker, &GeolocationFixChecker::done, this, &LocatingView::onGeolocationFix, Qt::QueuedConnection);
    m_fixChecker->start();
}

void LocatingView::onGeolocationFix(SelectorCoordinate fix)
{
    dropChecker(m_fixChecker, sender());
    m_fix = fix;
    if (!std::isnan(fix.accuracy())) {
        emit locationFound();
        emit startedReverseGeocoding();
    } else {
        emit locationNotFound();
    }
}

void LocatingView::startNaming()
{
    if (m_geocoderChecker)
        m_geocoderChecker->deleteLater();
    m_geocoderChecker = new ReverseGeocoderChecker(m_fix);
    connect(m_geocoderChecker, &ReverseGeocoderChecker::done, this, &LocatingView::onGeocoded, Qt::QueuedConnection);
    m_geocoderChecker->start();
}

void LocatingView::onGeocoded(Location location)
{
    m_result = location;
    dropChecker(m_geocoderChecker, sender());
    emit geocoded();
}

void LocatingView::finish()
{
    emit done(std::isnan(m_fix.accuracy()) ? Location() : m_result);
}

} // namespace places
} // namespace trellan
} // namespace hx
