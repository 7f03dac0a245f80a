#ifndef HX_TRELLAN_PLACES_MAPSEARCHRESULTSITEMICON_H
#define HX_TRELLAN_PLACES_MAPSEARCHRESULTSITEMICON_H

#include <hx/trellan/places/itemiconcommon.h>

namespace hx {
namespace trellan {
namespace places {

// A row of the map search results: the distance beside the name, the circle alone on the right.
class HXPLACES_EXPORT MapSearchResultsItemIcon : public ItemIconCommon
{
    Q_OBJECT
public:
    explicit MapSearchResultsItemIcon(QObject *parent = nullptr);
    ~MapSearchResultsItemIcon() override;

    virtual void initTitleRightBox();
    void initTitle() override;
    void initRightBox() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
