#ifndef HX_TRELLAN_PLACES_SHAREACTION_H
#define HX_TRELLAN_PLACES_SHAREACTION_H

#include <hx/platform/places/place.h>
#include <hx/system/invokequery.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/invocation.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <QtCore/QPointer>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
namespace places {

// Share: hands the place's share query to the system, which lets the user pick a target
// application. Disabled while the place has no coordinates.
class HXPLACES_EXPORT ShareAction : public hx::trellan::ActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit ShareAction(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent = nullptr);
    ~ShareAction() override;

    void update(const QSharedPointer<hx::platform::places::Place> &place);
    hx::system::InvokeQuery *query() const { return m_query; }

    void retranslateUI() override;

public slots:
    void onTriggered();
    void onArmed();

private:
    void buildQuery();

    QSharedPointer<hx::platform::places::Place> m_place;
    QPointer<hx::system::InvokeQuery> m_query;
    QPointer<hx::trellan::Invocation> m_invocation;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
