#ifndef HX_TRELLAN_PLACES_CONTACTLISTITEMMANAGER_H
#define HX_TRELLAN_PLACES_CONTACTLISTITEMMANAGER_H

#include <hx/trellan/listitemprovider.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QObject>

namespace hx {
namespace trellan {
namespace places {

// The rows of a horizontal contact list: the contact's picture in a square and the contact's
// name under it, filled from a place list model.
class HXPLACES_EXPORT ContactListItemManager : public QObject, public hx::trellan::ListItemProvider
{
    Q_OBJECT
public:
    explicit ContactListItemManager(QObject *parent = nullptr);
    ~ContactListItemManager() override;

    hx::trellan::Control *createItem(hx::trellan::ListView *list, const QString &type) override;
    void updateItem(hx::trellan::ListView *list, hx::trellan::Control *listItem, const QString &type,
                    const QVariantList &indexPath, const QVariant &data) override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
