#ifndef HX_TRELLAN_LISTITEMPROVIDER_H
#define HX_TRELLAN_LISTITEMPROVIDER_H

#include <QtCore/QString>
#include <QtCore/QVariant>

namespace hx {
namespace trellan {

class Control;
class ListView;

// Makes the rows of a list view: one control per item type, filled with a row's data. The view
// owns the rows it was given and may hand a row of the same type a new index path and data.
class ListItemProvider
{
public:
    virtual ~ListItemProvider();
    virtual Control *createItem(ListView *list, const QString &type) = 0;
    virtual void updateItem(ListView *list, Control *listItem, const QString &type, const QVariantList &indexPath,
                            const QVariant &data)
        = 0;
};

} // namespace trellan
} // namespace hx

#endif
