#ifndef HX_TRELLAN_PLACES_ITEMICONCOMMON_H
#define HX_TRELLAN_PLACES_ITEMICONCOMMON_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/customlistitem.h>
#include <hx/trellan/image.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/places/ratinginfo.h>
#include <hx/trellan/places/titlebartab.h>

#include <QtCore/QSharedPointer>
#include <QtCore/QVariantList>

namespace hx {
namespace trellan {
class Container;
class ImageView;
class Label;
class TapEvent;
class TouchEvent;
namespace places {

class Distance;
class ItemIcon;
class RatingItem;

// The place row: the icon of the place's kind on the left, its name and up to two address lines
// (and its rating) in the middle, the distance and the more-details circle on the right, and a
// corner mark on favourites. A tap on the name area picks the row, a tap on the circle asks
// for the details.
class HXPLACES_EXPORT ItemIconCommon : public hx::trellan::CustomListItem, public PickerRetrans
{
    Q_OBJECT
public:
    explicit ItemIconCommon(int highlightAppearance = 3, QObject *parent = nullptr);
    ~ItemIconCommon() override;

    // Builds the layout and, for a row of an ItemIcon, passes the row's signals on to it.
    void init(ItemIcon *item);
    virtual void initItemLayout();
    virtual void initLeftBox(hx::trellan::ImageView *&icon);
    virtual void initTitle();
    virtual void initRightBox();

    QString getPlaceName() const;
    QString getAddressLine1() const;
    QString getAddressLine2() const;
    QVariantList indexPath() const;
    // The place shown, a copy owned by the row; null before the first update.
    QSharedPointer<hx::platform::places::AbstractPlace> place() const;

    // Distances are measured from here when valid, else from the current position.
    void updateSearchCoordinates(const hx::platform::places::Coordinates &coordinates);
    // A suggestion's distance as the search service gave it.
    void setDistance(const hx::platform::places::Place *place);
    static hx::trellan::Image getImage(const hx::platform::places::AbstractPlace *place, const TitleBarTab::Tab &tab);
    void getAddressLinesFromPlace(const hx::platform::places::AbstractPlace &place);
    void updateInfoTitle(const hx::platform::places::AbstractPlace &place);
    // highlighted: the row starts with the focus highlight (the first row of some lists).
    virtual void updateListItemDescription(const QVariantList &indexPath,
                                           const hx::platform::places::AbstractPlace *place, TitleBarTab::Tab tab,
                                           bool highlighted, const RatingInfo &rating = RatingInfo());
    virtual void setConnections(ItemIcon *item);

Q_SIGNALS:
    void titleClicked(hx::trellan::TouchEvent *event);
    void infoClicked(hx::trellan::TouchEvent *event);
    void titleClicked(const QVariantList &indexPath);
    void infoClicked(const QVariantList &indexPath);

public Q_SLOTS:
    void onTitleInfoTapped(hx::trellan::TapEvent *event);
    void onDetailsInfoTapped(hx::trellan::TapEvent *event);
    void onInfoClicked(hx::trellan::TouchEvent *event);
    void onTitleClicked(hx::trellan::TouchEvent *event);
    void onFocusHighlight(bool highlighted);

protected:
    void retranslateUI() override;
    // The distance beside the title instead of above the circle (the map result rows).
    void moveDistanceBesideTitle();
    hx::trellan::Container *rootContainer() const { return m_root; }
    hx::trellan::Container *infoContainer() const { return m_info; }
    hx::trellan::Container *distanceContainer() const { return m_distanceContainer; }
    Distance *distanceControl() const { return m_distance; }

private:
    void updateDistance(const hx::platform::places::AbstractPlace &place);
    void updateIcon(const hx::platform::places::AbstractPlace *place, TitleBarTab::Tab tab);
    void updateCornerMark(const hx::platform::places::AbstractPlace *place, TitleBarTab::Tab tab);
    void setTextColours(bool highlighted);

    QVariantList m_indexPath;
    QSharedPointer<hx::platform::places::AbstractPlace> m_place;
    hx::trellan::Image m_icon;
    hx::platform::places::Coordinates m_searchCoordinates;
    QString m_name;
    QString m_line1;
    QString m_line2;

    hx::trellan::Container *m_root = nullptr;
    hx::trellan::Container *m_itemContainer = nullptr;
    hx::trellan::Container *m_imageContainer = nullptr;
    hx::trellan::Container *m_info = nullptr;
    hx::trellan::Container *m_titleRow = nullptr;
    hx::trellan::Container *m_distanceContainer = nullptr;
    hx::trellan::ImageView *m_iconView = nullptr;
    hx::trellan::ImageView *m_cornerMark = nullptr;
    hx::trellan::Label *m_title = nullptr;
    hx::trellan::Label *m_line1Label = nullptr;
    hx::trellan::Label *m_line2Label = nullptr;
    RatingItem *m_rating = nullptr;
    Distance *m_distance = nullptr;
    hx::trellan::Container *m_infoItem = nullptr;
    hx::trellan::ImageView *m_moreInfo = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
