#include <hx/trellan/places/placeviewfullview.h>

#include <hx/trellan/places/log.h>
#include <hx/trellan/places/mapdock.h>
#include <hx/trellan/places/viewplacecontent.h>

#include <hx/device/displayinfo.h>
#include <hx/trellan/container.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/qmldocument.h>
#include <hx/trellan/stacklayout.h>

#include <QtCore/QStateMachine>
#include <QtQml/QQmlError>

using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

namespace {

const char DOCUMENT_URL[] = "qrc:/assets/PlaceViewFullView.qml";
const char MAIN_CONTAINER[] = "PlaceViewFullViewMain";

QString joinedErrors(const QList<QQmlError> &errors)
{
    QStringList texts;
    for (const QQmlError &error : errors)
        texts << error.toString();
    return texts.join(QStringLiteral(", "));
}

} // namespace

PlaceViewFullView::StateStart::StateStart(PlaceViewFullView *view, QState *parent) : QState(parent), m_view(view) { }

void PlaceViewFullView::StateStart::onEntry(QEvent *event)
{
    QState::onEntry(event);
    m_view->showContent();
}

PlaceViewFullView::PlaceViewFullView(const QSharedPointer<Place> &place, ViewMode mode, QObject *parent)
    : QObject(parent),
      m_place(place),
      m_mode(mode),
      m_document(hx::trellan::QmlDocument::create(QLatin1String(DOCUMENT_URL))),
      m_root(nullptr),
      m_machine(nullptr)
{
    hx::device::DisplayInfo::registerQmlType();
    m_document->setContextProperty(QStringLiteral("_data"), this);
    if (!m_document->load()) {
        Log::warning() << "hx::trellan::places::PlaceViewFullView::PlaceViewFullView(): failed loading document, "
                          "errors = "
                       << joinedErrors(m_document->errors());
        return;
    }
    m_root = m_document->createRootObject<hx::trellan::Container>();
    if (!m_root) {
        Log::warning() << "hx::trellan::places::PlaceViewFullView::PlaceViewFullView(): failed loading document, "
                          "errors = "
                       << (m_document->hasErrors() ? joinedErrors(m_document->errors())
                                                   : QStringLiteral("the root is not a Container"));
        return;
    }
    m_root->setParent(this);

    m_machine = new QStateMachine(this);
    auto *start = new StateStart(this);
    m_machine->addState(start);
    m_machine->setInitialState(start);
    m_machine->start();
}

PlaceViewFullView::~PlaceViewFullView() = default;

hx::trellan::Container *PlaceViewFullView::getVisualNodeRoot() const
{
    return m_root;
}

PlaceViewMode::Type PlaceViewFullView::getPlaceViewMode() const
{
    switch (int(m_mode)) {
    case MyLocation:
        return PlaceViewMode::ZantB;
    case Details:
        return PlaceViewMode::ZantC;
    default:
        return PlaceViewMode::ZantA;
    }
}

ViewPlaceContent *PlaceViewFullView::content() const
{
    return m_content;
}

void PlaceViewFullView::showContent()
{
    auto *content = new ViewPlaceContent(m_place, getPlaceViewMode(), true, this);
    connect(content, &ViewPlaceContent::makeZANTCall, this, &PlaceViewFullView::makeZANTCall, Qt::QueuedConnection);
    connect(this, &PlaceViewFullView::setFavorite, content, &ViewPlaceContent::favorite);
    connect(content->mapDock(), &MapDock::imageLoaded, this, &PlaceViewFullView::imageLoaded);

    auto *main = m_root->findChild<hx::trellan::Container *>(QLatin1String(MAIN_CONTAINER));
    if (!main) {
        Log::warning() << "hx::trellan::places::PlaceViewFullView::StateStart::onEntry(): no container named "
                       << MAIN_CONTAINER << " in the document";
        // Nothing shows it, so nothing of it may go on loading maps or ratings.
        delete content;
        return;
    }
    main->removeAll();
    auto *column = new hx::trellan::Container(main);
    auto *layout = new hx::trellan::StackLayout(column);
    layout->setOrientation(hx::trellan::LayoutOrientation::TopToBottom);
    column->setLayout(layout);
    column->setHorizontalAlignment(hx::trellan::HorizontalAlignment::Fill);
    column->add(content);
    main->add(column);
    m_content = content;
    emit viewReady();
}

} // namespace places
} // namespace trellan
} // namespace hx
