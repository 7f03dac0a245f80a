#include <hx/trellan/places/mapsearchresultsitemicon.h>

namespace hx {
namespace trellan {
namespace places {

MapSearchResultsItemIcon::MapSearchResultsItemIcon(QObject *parent) : ItemIconCommon(0, parent) { }

MapSearchResultsItemIcon::~MapSearchResultsItemIcon() = default;

void MapSearchResultsItemIcon::initTitle()
{
    ItemIconCommon::initTitle();
}

void MapSearchResultsItemIcon::initRightBox()
{
    ItemIconCommon::initRightBox();
    initTitleRightBox();
}

void MapSearchResultsItemIcon::initTitleRightBox()
{
    moveDistanceBesideTitle();
}

} // namespace places
} // namespace trellan
} // namespace hx
