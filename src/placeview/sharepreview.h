#ifndef HX_TRELLAN_PLACES_SHAREPREVIEW_H
#define HX_TRELLAN_PLACES_SHAREPREVIEW_H

#include <hx/trellan/places/pickerpreview.h>

#include <QtCore/QPointer>

namespace hx {
namespace trellan {
namespace places {

class FavAction;
class PreviewMapActions;

// The preview of a place another application shared: a place with a position is kept as a
// recent place at once; the page offers favourite, map, go and plan-route actions.
class HXPLACES_EXPORT SharePreview : public PickerPreview
{
    Q_OBJECT
public:
    explicit SharePreview(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent = nullptr);
    ~SharePreview() override;

    // Stores a place with a valid position as a recently picked place (with its error dialog)
    // and hands it back; a place without one is handed back as it is, not stored.
    static QSharedPointer<hx::platform::places::Place>
    getPersistedPlace(const QSharedPointer<hx::platform::places::Place> &place);

signals:
    void goAction();

public slots:
    void onFavAction();

protected:
    // A new favourite action for the place's favourite state, wired to the page.
    FavAction *favAction();

private:
    QSharedPointer<hx::platform::places::Place> m_sharedPlace;
    PreviewMapActions *m_mapActions;
    QPointer<FavAction> m_favAction;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
