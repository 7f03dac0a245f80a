#include <hx/platform/places/place.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/actionset.h>
#include <hx/trellan/places/iconitemtype.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/itemicon.h>
#include <hx/trellan/places/resourceutils.h>
#include <hx/trellan/places/tcsitemiconcommon.h>
#include <hx/trellan/places/widgetutils.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QUrl>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Place;
using hx::trellan::ActionItem;
using hx::trellan::ActionSet;

namespace {

void setAssetImage(ActionItem *action, const char *name)
{
    action->setImageSource(QUrl(ResourceUtils::getAssetPath(QLatin1String(name))));
}

} // namespace

TCSItemIconCommon::TCSItemIconCommon(QObject *parent) : ItemIconCommon(0, parent) { }

TCSItemIconCommon::~TCSItemIconCommon() = default;

void TCSItemIconCommon::initTitle()
{
    ItemIconCommon::initTitle();
}

void TCSItemIconCommon::initRightBox()
{
    ItemIconCommon::initRightBox();
    initTitleRightBox();
    addCrosscut();
}

void TCSItemIconCommon::initTitleRightBox()
{
    moveDistanceBesideTitle();
}

ActionItem *TCSItemIconCommon::addAction(const QString &name, const char *slot)
{
    auto *action = new ActionItem(this);
    action->setObjectName(name);
    connect(action, SIGNAL(triggered()), this, slot);
    return action;
}

void TCSItemIconCommon::addCrosscut()
{
    m_crosscut = new ActionSet;
    m_favorite = addAction(QStringLiteral("FavoriteAction"), SLOT(addToFavoritesTriggered()));
    setAssetImage(m_favorite, "ic_add_favorite.png");
    m_map = addAction(QStringLiteral("MapAction"), SLOT(mapItActionTriggered()));
    m_map->setImage(ImageSet::ACTIONMAP());
    m_go = addAction(QStringLiteral("GoAction"), SLOT(goActionTriggered()));
    setAssetImage(m_go, "maps_ic_go.png");
    m_planRoute = addAction(QStringLiteral("PlanRouteAction"), SLOT(planRouteActionTriggered()));
    setAssetImage(m_planRoute, "ic_plan_route.png");
    m_share = addAction(QStringLiteral("ShareAction"), SLOT(shareTriggered()));
    setAssetImage(m_share, "share.png");
    m_viewDetails = addAction(QStringLiteral("ViewDetailsAction"), SLOT(viewDetailsTriggered()));
    setAssetImage(m_viewDetails, "ic_view_details.png");
    m_edit = addAction(QStringLiteral("EditAction"), SLOT(editTriggered()));
    setAssetImage(m_edit, "edit.png");
    m_unfavorite = addAction(QStringLiteral("UnfavoriteAction"), SLOT(addToFavoritesTriggered()));
    setAssetImage(m_unfavorite, "ic_remove_favorite.png");
    m_deleteHome = addAction(QStringLiteral("DeleteHomeAction"), SLOT(deleteHomeTriggered()));
    setAssetImage(m_deleteHome, "deleteplace.png");
    m_deleteWork = addAction(QStringLiteral("DeleteWorkAction"), SLOT(deleteWorkTriggered()));
    setAssetImage(m_deleteWork, "deleteplace.png");
    translateCrosscut();
    addActionSet(m_crosscut);
}

void TCSItemIconCommon::translateCrosscut()
{
    if (!m_crosscut)
        return;
    m_favorite->setTitle(QCoreApplication::translate("favunfav", "Favorite"));
    m_unfavorite->setTitle(QCoreApplication::translate("favunfav", "Unfavorite"));
    m_map->setTitle(QCoreApplication::translate("hx::trellan::places::TCSItemIconCommon", "Map"));
    m_go->setTitle(QCoreApplication::translate("hx::trellan::places::TCSItemIconCommon", "Go"));
    m_planRoute->setTitle(QCoreApplication::translate("hx::trellan::places::TCSItemIconCommon", "Plan Route"));
    m_share->setTitle(QCoreApplication::translate("Places", "Share"));
    m_viewDetails->setTitle(QCoreApplication::translate("hx::trellan::places::TCSItemIconCommon", "View Details"));
    m_edit->setTitle(QCoreApplication::translate("hx::trellan::places::TCSItemIconCommon", "Edit"));
    m_deleteHome->setTitle(QCoreApplication::translate("hx::trellan::places::TCSItemIconCommon", "Delete Home"));
    m_deleteWork->setTitle(QCoreApplication::translate("hx::trellan::places::TCSItemIconCommon", "Delete Work"));
}

void TCSItemIconCommon::updateCrosscut()
{
    if (!m_crosscut)
        return;
    const QSharedPointer<hx::platform::places::AbstractPlace> shown = place();
    const bool favorite = IconItemType::isFavorite(shown.data());
    const bool home = IconItemType::isMyHome(shown.data());
    const bool work = IconItemType::isMyWork(shown.data());
    // A reused row usually shows a place of the same kinds: its menu stays as it is.
    const int kinds = int(favorite) | int(home) << 1 | int(work) << 2;
    if (kinds == m_crosscutKinds)
        return;
    m_crosscutKinds = kinds;
    for (ActionItem *action : m_crosscut->actions()) {
        m_crosscut->remove(action);
        action->setParent(this);
    }
    const QList<QPair<ActionItem *, bool>> actions = {
        { m_favorite, !favorite && !home && !work },
        { m_map, true },
        { m_go, true },
        { m_planRoute, true },
        { m_share, true },
        { m_viewDetails, true },
        { m_edit, favorite },
        { m_unfavorite, favorite && !home && !work },
        { m_deleteHome, favorite && home },
        { m_deleteWork, favorite && work },
    };
    for (const auto &action : actions) {
        if (action.second)
            m_crosscut->add(action.first);
    }
}

void TCSItemIconCommon::updateListItemDescription(const QVariantList &indexPath,
                                                  const hx::platform::places::AbstractPlace *place,
                                                  TitleBarTab::Tab tab, bool highlighted, const RatingInfo &rating)
{
    ItemIconCommon::updateListItemDescription(indexPath, place, tab, highlighted, rating);
    updateCrosscut();
}

void TCSItemIconCommon::setConnections(ItemIcon *item)
{
    ItemIconCommon::setConnections(item);
    connect(this, QOverload<int, const QVariantList &>::of(&TCSItemIconCommon::contextActionTriggered), item,
            &ItemIcon::contextActionTriggered);
}

void TCSItemIconCommon::emitAction(int action)
{
    emit contextActionTriggered(action, WidgetUtils::getFullPlace(place()));
    emit contextActionTriggered(action, indexPath());
}

void TCSItemIconCommon::mapItActionTriggered()
{
    emitAction(MapAction);
}

void TCSItemIconCommon::goActionTriggered()
{
    emitAction(GoAction);
}

void TCSItemIconCommon::planRouteActionTriggered()
{
    emitAction(PlanRouteAction);
}

void TCSItemIconCommon::addToFavoritesTriggered()
{
    // Favourite and unfavourite share the code: the receiver toggles by the place's tag.
    emitAction(FavoriteAction);
}

void TCSItemIconCommon::shareTriggered()
{
    emitAction(ShareAction);
}

void TCSItemIconCommon::viewDetailsTriggered()
{
    emitAction(ViewDetailsAction);
}

void TCSItemIconCommon::editTriggered()
{
    emitAction(EditAction);
}

void TCSItemIconCommon::deleteHomeTriggered()
{
    emitAction(DeleteHomeWorkAction);
}

void TCSItemIconCommon::deleteWorkTriggered()
{
    emitAction(DeleteHomeWorkAction);
}

void TCSItemIconCommon::retranslateUI()
{
    ItemIconCommon::retranslateUI();
    translateCrosscut();
}

} // namespace places
} // namespace trellan
} // namespace hx
