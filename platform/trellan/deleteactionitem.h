#ifndef HX_TRELLAN_DELETEACTIONITEM_H
#define HX_TRELLAN_DELETEACTIONITEM_H

#include <hx/trellan/actionitem.h>

namespace hx {
namespace trellan {

// The delete action, kept apart at the end of a context menu.
class DeleteActionItem : public ActionItem
{
    Q_OBJECT
public:
    explicit DeleteActionItem(QObject *parent = nullptr);
};

} // namespace trellan
} // namespace hx

#endif
