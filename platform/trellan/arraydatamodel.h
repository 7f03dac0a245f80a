#ifndef HX_TRELLAN_ARRAYDATAMODEL_H
#define HX_TRELLAN_ARRAYDATAMODEL_H

#include <hx/trellan/qlistdatamodel.h>

namespace hx {
namespace trellan {

// A flat list of QVariant rows; safe to fill from a worker thread.
class ArrayDataModel : public QListDataModel<QVariant>
{
    Q_OBJECT
public:
    explicit ArrayDataModel(QObject *parent = nullptr);
};

} // namespace trellan
} // namespace hx

#endif
