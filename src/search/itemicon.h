#ifndef HX_TRELLAN_PLACES_ITEMICON_H
#define HX_TRELLAN_PLACES_ITEMICON_H

#include <hx/platform/places/abstractplace.h>
#include <hx/trellan/customcontrol.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/ratinginfo.h>
#include <hx/trellan/places/titlebartab.h>

#include <QtCore/QVariantList>

namespace hx {
namespace trellan {
namespace places {

class ItemIconCommon;
class PlacesListItemBuilder;

// The place row that item managers hand to a list: one row from the builder, whose taps and
// context actions it reports with the row's index path.
class HXPLACES_EXPORT ItemIcon : public hx::trellan::CustomControl
{
    Q_OBJECT
public:
    explicit ItemIcon(PlacesListItemBuilder &builder, QObject *parent = nullptr);
    ~ItemIcon() override;

    ItemIconCommon *immediateContent() const;
    void update(const QVariantList &indexPath, const hx::platform::places::AbstractPlace *place, TitleBarTab::Tab tab,
                bool highlighted, const RatingInfo &rating = RatingInfo());

Q_SIGNALS:
    void contextActionTriggered(int action, const QVariantList &indexPath);
    void titleClicked(const QVariantList &indexPath);
    void infoClicked(const QVariantList &indexPath);
    void dogEarClicked(const QVariantList &indexPath);

private:
    ItemIconCommon *m_content;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
