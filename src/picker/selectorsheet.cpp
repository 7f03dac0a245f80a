#include "pickeranswer_p.h"
#include "records/selectedplace_p.h"
#include <hx/trellan/container.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/places/cclutils.h>
#include <hx/trellan/places/enabledataservicesdialog.h>
#include <hx/trellan/places/enablelocationdialog.h>
#include <hx/trellan/places/getdataservices.h>
#include <hx/trellan/places/getlocationsettings.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/selectorsheet.h>
#include <hx/trellan/places/singlesearchprivate.h>

#include <QtCore/QTimer>

namespace hx {
namespace trellan {
namespace places {

namespace {

const int NETWORK_UP = 1;
const int LOCATION_ON = 2;

} // namespace

SelectorSheet::SelectorSheet(QObject *parent, hx::trellan::NavigationPane *pane)
    : Page(parent), m_parent(parent), m_root(new hx::trellan::Container), m_pane(pane)
{
    PlaceUtils::init();
    setObjectName(QStringLiteral("SelectorSheet"));
    m_root->setLayout(new hx::trellan::DockLayout);
    auto *centre = new hx::trellan::Container;
    centre->setHorizontalAlignment(HorizontalAlignment::Center);
    centre->setLayout(new hx::trellan::DockLayout);
    centre->setBackground(PlaceUtils::BACKGROUND_COLOR);
    m_search = new SingleSearchPrivate(true, SingleSearchPrivate::Picker, SingleSearchPrivate::All);
    centre->add(m_search);
    m_root->add(centre);
    m_search->addTitleBarAndActions(this);
    setContent(m_root);

    connect(m_search, &SingleSearchPrivate::cancel, this, &SelectorSheet::onCancel);
    connect(m_search, &SingleSearchPrivate::placeSelected, this, &SelectorSheet::myPlaceListPlaceSelected);
    // Both run once the page is on screen, the service checks after the list has started.
    QTimer::singleShot(1, m_search, &SingleSearchPrivate::initialView);
    QTimer::singleShot(2, this, &SelectorSheet::checkDataServiceSettings);
}

SelectorSheet::~SelectorSheet() = default;

SelectedPlace *SelectorSheet::getSelectedPlace() const
{
    if (!m_selectedPlace)
        return nullptr;
    return SelectedPlacePrivate::placeToSelectedPlace(m_selectedPlace);
}

hx::system::CardDoneMessage SelectorSheet::answer() const
{
    return PickerAnswer::of(m_selectedPlace);
}

void SelectorSheet::checkDataServiceSettings()
{
    if (GetDataServices::getNetworkStatus() == NETWORK_UP) {
        checkLocationSettings();
        return;
    }
    auto *dialog = new EnableDataServicesDialog(this);
    connect(dialog, &SettingsCardDialog::done, this, &SelectorSheet::onDataServiceSettingDone);
    dialog->show();
}

void SelectorSheet::onDataServiceSettingDone(bool answer)
{
    if (sender())
        sender()->deleteLater();
    if (answer) {
        checkLocationSettings();
        return;
    }
    onCancel();
}

void SelectorSheet::checkLocationSettings()
{
    if (GetLocationSettings::getSettings() == LOCATION_ON)
        return;
    auto *dialog = new EnableLocationDialog(this);
    connect(dialog, &SettingsCardDialog::done, this, &SelectorSheet::onLocationSettingDone);
    dialog->show();
}

void SelectorSheet::onLocationSettingDone(bool)
{
    // Searching works without a position, so the page stays whatever the answer.
    if (sender())
        sender()->deleteLater();
}

void SelectorSheet::myPlaceListPlaceSelected()
{
    m_selectedPlace = m_search->getSelectedPlace();
    emit placeSelected();
}

void SelectorSheet::onCancel()
{
    CCLUtils::logPlacePickerCancellation();
    m_selectedPlace.reset();
    emit placeSelected();
}

} // namespace places
} // namespace trellan
} // namespace hx
