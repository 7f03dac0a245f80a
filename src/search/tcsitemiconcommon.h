#ifndef HX_TRELLAN_PLACES_TCSITEMICONCOMMON_H
#define HX_TRELLAN_PLACES_TCSITEMICONCOMMON_H

#include <hx/platform/places/place.h>
#include <hx/trellan/places/itemiconcommon.h>

#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
class ActionItem;
class ActionSet;
namespace places {

// A map result row with a context menu of map actions, rebuilt for each place: favourite,
// map, go, plan a route, share, view details, and for a favourite edit, unfavourite or the
// removal of the home or work place. Each action reports its code with the place.
class HXPLACES_EXPORT TCSItemIconCommon : public ItemIconCommon
{
    Q_OBJECT
public:
    enum Action {
        MapAction = 1,
        GoAction = 2,
        FavoriteAction = 3,
        ShareAction = 4,
        ViewDetailsAction = 5,
        EditAction = 7,
        DeleteHomeWorkAction = 8,
        PlanRouteAction = 9
    };

    explicit TCSItemIconCommon(QObject *parent = nullptr);
    ~TCSItemIconCommon() override;

    void initRightBox() override;
    virtual void initTitleRightBox();
    void initTitle() override;
    void addCrosscut();
    void translateCrosscut();
    void updateCrosscut();
    void updateListItemDescription(const QVariantList &indexPath, const hx::platform::places::AbstractPlace *place,
                                   TitleBarTab::Tab tab, bool highlighted,
                                   const RatingInfo &rating = RatingInfo()) override;
    void setConnections(ItemIcon *item) override;

Q_SIGNALS:
    void contextActionTriggered(int action, QSharedPointer<hx::platform::places::Place> place);
    void contextActionTriggered(int action, const QVariantList &indexPath);

public Q_SLOTS:
    void mapItActionTriggered();
    void goActionTriggered();
    void planRouteActionTriggered();
    void addToFavoritesTriggered();
    void shareTriggered();
    void viewDetailsTriggered();
    void editTriggered();
    void deleteHomeTriggered();
    void deleteWorkTriggered();

protected:
    void retranslateUI() override;

private:
    hx::trellan::ActionItem *addAction(const QString &name, const char *slot);
    void emitAction(int action);

    hx::trellan::ActionSet *m_crosscut = nullptr;
    hx::trellan::ActionItem *m_favorite = nullptr;
    hx::trellan::ActionItem *m_map = nullptr;
    hx::trellan::ActionItem *m_go = nullptr;
    hx::trellan::ActionItem *m_planRoute = nullptr;
    hx::trellan::ActionItem *m_share = nullptr;
    hx::trellan::ActionItem *m_viewDetails = nullptr;
    hx::trellan::ActionItem *m_edit = nullptr;
    hx::trellan::ActionItem *m_unfavorite = nullptr;
    hx::trellan::ActionItem *m_deleteHome = nullptr;
    hx::trellan::ActionItem *m_deleteWork = nullptr;
    // The place kinds (favourite, home, work) the menu was last laid out for; -1 before the first.
    int m_crosscutKinds = -1;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
