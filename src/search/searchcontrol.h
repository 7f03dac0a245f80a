#ifndef HX_TRELLAN_PLACES_SEARCHCONTROL_H
#define HX_TRELLAN_PLACES_SEARCHCONTROL_H

#include <hx/platform/geo/boundingbox.h>
#include <hx/platform/geo/point.h>
#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/error.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QObject>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
class Container;
namespace places {

class SingleSearchControl;

// What applications use to put the search bar above their map: it places a search control in
// the application's container and passes its signals and operations through.
class HXPLACES_EXPORT SearchControl : public QObject
{
    Q_OBJECT
public:
    explicit SearchControl(hx::trellan::Container *container, QObject *parent = nullptr);
    ~SearchControl() override;

    SingleSearchControl *control() const { return m_control; }

    void displaysResultsView();
    void closesResultsView();
    void reset();
    void onMapCenterChanged(const hx::platform::geo::Point &point, const hx::platform::geo::BoundingBox &box);
    QList<QSharedPointer<hx::platform::places::AbstractPlace>> getCurrentSliceData();
    QSharedPointer<hx::platform::places::AbstractPlace> getNext();
    QSharedPointer<hx::platform::places::AbstractPlace> getPrevious();
    void search(const QString &text, const hx::platform::geo::Point &point);

Q_SIGNALS:
    void searchResultsAvailable(QList<QSharedPointer<hx::platform::places::AbstractPlace>> results,
                                hx::platform::places::Error::Type resultCode);
    void searchActivated();
    void searchCanceled();
    void backTapOnSearchField();
    void placeSelected(QSharedPointer<hx::platform::places::AbstractPlace> place);
    void resultsViewClosed();
    void searchTextFieldCleared();
    void myPlacesButtonClicked();

private:
    SingleSearchControl *m_control;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
