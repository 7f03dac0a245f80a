#include <hx/trellan/arraydatamodel.h>

namespace hx {
namespace trellan {

ArrayDataModel::ArrayDataModel(QObject *parent) : QListDataModel<QVariant>(parent) { }

} // namespace trellan
} // namespace hx
