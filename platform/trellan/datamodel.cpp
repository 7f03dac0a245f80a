#include <hx/trellan/datamodel.h>

namespace hx {
namespace trellan {

DataModel::DataModel(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<DataModelChangeType::Type>("hx::trellan::DataModelChangeType::Type");
    qRegisterMetaType<QSharedPointer<DataModel::IndexMapper>>("QSharedPointer<hx::trellan::DataModel::IndexMapper>");
}

DataModel::~DataModel() = default;

QString DataModel::itemType(const QVariantList &indexPath)
{
    Q_UNUSED(indexPath)
    return QStringLiteral("item");
}

} // namespace trellan
} // namespace hx
