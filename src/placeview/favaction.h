#ifndef HX_TRELLAN_PLACES_FAVACTION_H
#define HX_TRELLAN_PLACES_FAVACTION_H

#include <hx/platform/places/place.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
namespace places {

// Favorite / Unfavorite: the button flips at once when tapped; the owner then calls handle()
// (queued) to bring the store in line and hears the outcome through favorite(bool).
class HXPLACES_EXPORT FavAction : public hx::trellan::ActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit FavAction(bool on, QObject *parent = nullptr);
    ~FavAction() override;

    bool isOn() const { return m_on; }
    void setOn(bool on);
    void handle(const QSharedPointer<hx::platform::places::Place> &place);

    void retranslateUI() override;

public slots:
    void onActionTriggered();

signals:
    void favorite(bool on);

private:
    bool m_on;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
