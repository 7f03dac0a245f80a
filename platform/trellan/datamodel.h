#ifndef HX_TRELLAN_DATAMODEL_H
#define HX_TRELLAN_DATAMODEL_H

#include <hx/trellan/enums.h>

#include <QtCore/QObject>
#include <QtCore/QSharedPointer>
#include <QtCore/QVariant>

namespace hx {
namespace trellan {

// The rows of a list, addressed by index paths ([row] at the top level, [row, child] below).
// A model may change from any thread; a list view takes its signals by queued connection and
// reads it only on its own thread, so the model must guard its accessors itself.
class DataModel : public QObject
{
    Q_OBJECT
public:
    // Tells a view where the rows it knows went after a change (itemsChanged).
    class IndexMapper
    {
    public:
        virtual ~IndexMapper() = default;
        // False when the old row is gone; *replacementIndex says which row took its place.
        virtual bool newIndexPath(QVariantList *newIndexPath, int *replacementIndex,
                                  const QVariantList &oldIndexPath) const = 0;
    };

    explicit DataModel(QObject *parent = nullptr);
    ~DataModel() override;

    Q_INVOKABLE virtual int childCount(const QVariantList &indexPath) = 0;
    Q_INVOKABLE virtual bool hasChildren(const QVariantList &indexPath) = 0;
    // The key a ListItemProvider makes rows by; "item" unless a model says otherwise.
    Q_INVOKABLE virtual QString itemType(const QVariantList &indexPath);
    Q_INVOKABLE virtual QVariant data(const QVariantList &indexPath) = 0;

signals:
    void itemAdded(const QVariantList &indexPath);
    void itemUpdated(const QVariantList &indexPath);
    void itemRemoved(const QVariantList &indexPath);
    void itemMoved(const QVariantList &fromIndexPath, const QVariantList &toIndexPath);
    void itemsChanged(hx::trellan::DataModelChangeType::Type changeType,
                      QSharedPointer<hx::trellan::DataModel::IndexMapper> indexMapper
                      = QSharedPointer<hx::trellan::DataModel::IndexMapper>());
};

} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(QSharedPointer<hx::trellan::DataModel::IndexMapper>)

#endif
