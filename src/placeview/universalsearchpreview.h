#ifndef HX_TRELLAN_PLACES_UNIVERSALSEARCHPREVIEW_H
#define HX_TRELLAN_PLACES_UNIVERSALSEARCHPREVIEW_H

#include <hx/trellan/places/pickerpreview.h>

#include <QtCore/QPointer>

namespace hx {
namespace trellan {
namespace places {

class FavAction;
class PreviewMapActions;

// The preview of a place found by the phone's universal search: map, go, plan-route and share
// actions, and the favourite action for any place but home and work. The place is not stored
// by the preview itself.
class HXPLACES_EXPORT UniversalSearchPreview : public PickerPreview
{
    Q_OBJECT
public:
    explicit UniversalSearchPreview(const QSharedPointer<hx::platform::places::Place> &place,
                                    QObject *parent = nullptr);
    ~UniversalSearchPreview() override;

signals:
    void goAction();

public slots:
    void onFavAction();

protected:
    // A new favourite action for the place's favourite state, wired to the page.
    FavAction *favAction();

private:
    QSharedPointer<hx::platform::places::Place> m_previewedPlace;
    PreviewMapActions *m_mapActions;
    QPointer<FavAction> m_favAction;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
