#ifndef HX_TRELLAN_PLACES_PREVIEWMAPACTIONS_P_H
#define HX_TRELLAN_PLACES_PREVIEWMAPACTIONS_P_H

#include <hx/trellan/places/pickerretrans.h>

#include <hx/platform/places/place.h>

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
class InvokeActionItem;
namespace places {

class MapsInvoker;

// The map, go and plan-route actions of a preview page. The invoker's actions carry no text of
// their own, so they get the titles and names of the place card's map actions, and follow the
// language like them (so does the share action, when the page has one).
class PreviewMapActions : public QObject, public PickerRetrans
{
    Q_OBJECT
public:
    PreviewMapActions(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent);
    ~PreviewMapActions() override;

    MapsInvoker *invoker() const { return m_invoker; }
    // New actions, owned by the invoker until a page takes them.
    hx::trellan::InvokeActionItem *createMapAction();
    hx::trellan::InvokeActionItem *createGoAction();
    hx::trellan::InvokeActionItem *createPlanRouteAction();
    // The share action of the page, retitled with the others.
    void setShareAction(hx::trellan::InvokeActionItem *share);

    void retranslateUI() override;

private:
    MapsInvoker *m_invoker;
    QPointer<hx::trellan::InvokeActionItem> m_map;
    QPointer<hx::trellan::InvokeActionItem> m_go;
    QPointer<hx::trellan::InvokeActionItem> m_plan;
    QPointer<hx::trellan::InvokeActionItem> m_share;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
