#include <hx/trellan/container.h>
#include <hx/trellan/places/searchcontrol.h>
#include <hx/trellan/places/singlesearchcontrol.h>

namespace hx {
namespace trellan {
namespace places {

SearchControl::SearchControl(hx::trellan::Container *container, QObject *parent)
    : QObject(parent), m_control(new SingleSearchControl)
{
    container->add(m_control);
    connect(m_control, &SingleSearchControl::searchResultsAvailable, this, &SearchControl::searchResultsAvailable);
    connect(m_control, &SingleSearchControl::searchActivated, this, &SearchControl::searchActivated);
    connect(m_control, &SingleSearchControl::searchCanceled, this, &SearchControl::searchCanceled);
    connect(m_control, &SingleSearchControl::backTapOnSearchField, this, &SearchControl::backTapOnSearchField);
    connect(m_control, &SingleSearchControl::placeSelected, this, &SearchControl::placeSelected);
    connect(m_control, &SingleSearchControl::resultsViewClosed, this, &SearchControl::resultsViewClosed);
    connect(m_control, &SingleSearchControl::searchTextFieldCleared, this, &SearchControl::searchTextFieldCleared);
    connect(m_control, &SingleSearchControl::myPlacesButtonClicked, this, &SearchControl::myPlacesButtonClicked);
}

SearchControl::~SearchControl() = default;

void SearchControl::displaysResultsView()
{
    m_control->displaysResultsView();
}

void SearchControl::closesResultsView()
{
    m_control->closesResultsView();
}

void SearchControl::reset()
{
    m_control->reset();
}

void SearchControl::onMapCenterChanged(const hx::platform::geo::Point &point, const hx::platform::geo::BoundingBox &box)
{
    m_control->onMapCenterChanged(point, box);
}

QList<QSharedPointer<hx::platform::places::AbstractPlace>> SearchControl::getCurrentSliceData()
{
    return m_control->getCurrentSliceData();
}

QSharedPointer<hx::platform::places::AbstractPlace> SearchControl::getNext()
{
    return m_control->getNext();
}

QSharedPointer<hx::platform::places::AbstractPlace> SearchControl::getPrevious()
{
    return m_control->getPrevious();
}

void SearchControl::search(const QString &text, const hx::platform::geo::Point &point)
{
    m_control->search(text, point);
}

} // namespace places
} // namespace trellan
} // namespace hx
