#include <hx/trellan/places/newselectorpage.h>

#include <hx/device/displayinfo.h>
#include <hx/device/hardwareinfo.h>
#include <hx/trellan/actionbarproperties.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/orientationsupport.h>
#include <hx/trellan/places/mylocationaction.h>
#include <hx/trellan/places/mylocationdialog.h>
#include <hx/trellan/places/newselectorcontrol.h>
#include <hx/trellan/places/newselectorpagetitle.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Location;
using hx::platform::places::Place;

namespace {

// Placement of a page's signature action.
const int SIGNATURE = 3;
const int DOCKED_BELOW = 2;

} // namespace

NewSelectorPage::NewSelectorPage(int type, QObject *parent)
    : Page(parent),
      m_title(new NewSelectorPageTitle(type, this)),
      m_control(new NewSelectorControl(true)),
      m_myLocationAction(new MyLocationAction(this)),
      m_actionBarProperties(new hx::trellan::ActionBarProperties)
{
    qRegisterMetaType<Location>();
    setObjectName(QStringLiteral("NewSelectorPage"));
    setTitleBar(m_title);
    setContent(m_control);
    addAction(m_myLocationAction, SIGNATURE);
    setActionBarProperties(m_actionBarProperties);
    const int aspect = int(hx::device::DisplayInfo().aspectType());
    if (aspect == 1 || aspect == 2)
        m_actionBarProperties->setProperty("docking", DOCKED_BELOW);
    connect(OrientationSupport::instance(), &OrientationSupport::orientationAboutToChange, this,
            &NewSelectorPage::onOrientationAboutToChange);

    connect(m_title->newEntryAction(), &ActionItem::triggered, this, &NewSelectorPage::newEntry);
    connect(m_title->cancelAction(), &ActionItem::triggered, this, &NewSelectorPage::canceled);
    connect(m_control, &NewSelectorControl::placeSelected, this, &NewSelectorPage::onPlaceSelected);
    connect(m_control, &NewSelectorControl::preview, this, &NewSelectorPage::preview);
    connect(m_myLocationAction, &ActionItem::triggered, this, &NewSelectorPage::onMyLocation);

    if (hx::device::HardwareInfo().isPhysicalKeyboardDevice())
        m_control->setAsFocused(true);
}

NewSelectorPage::~NewSelectorPage() = default;

void NewSelectorPage::onPlaceSelected(QSharedPointer<Place> place)
{
    Q_EMIT placeSelected(place);
}

void NewSelectorPage::onMyLocation()
{
    if (m_dialog)
        return;
    m_dialog = new MyLocationDialog(this, false);
    connect(m_dialog.data(), &MyLocationDialog::success, this, &NewSelectorPage::onMyLocationDone,
            Qt::QueuedConnection);
    connect(m_dialog.data(), &MyLocationDialog::aborted, m_dialog.data(), &QObject::deleteLater);
    m_dialog->fetch();
}

void NewSelectorPage::onMyLocationDone(Location location)
{
    if (m_dialog)
        m_dialog->deleteLater();
    Q_EMIT myLocation(location);
}

void NewSelectorPage::onOrientationAboutToChange(UIOrientation::Type orientation)
{
    if (orientation == UIOrientation::Landscape)
        m_actionBarProperties->setDocking(1);
    else if (orientation == UIOrientation::Portrait)
        m_actionBarProperties->setDocking(2);
}

} // namespace places
} // namespace trellan
} // namespace hx
