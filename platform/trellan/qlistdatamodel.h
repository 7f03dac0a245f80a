#ifndef HX_TRELLAN_QLISTDATAMODEL_H
#define HX_TRELLAN_QLISTDATAMODEL_H

#include <hx/trellan/datamodel.h>

#include <QtCore/QList>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>

namespace hx {
namespace trellan {

// A flat list of values as a data model. Every call may come from any thread: the rows are
// guarded by a mutex, and signals are emitted after it is released.
template<typename T> class QListDataModel : public DataModel
{
public:
    explicit QListDataModel(QObject *parent = nullptr) : DataModel(parent) { }
    explicit QListDataModel(const QList<T> &values, QObject *parent = nullptr) : DataModel(parent), m_values(values) { }

    int childCount(const QVariantList &indexPath) override
    {
        if (!indexPath.isEmpty())
            return 0;
        QMutexLocker locker(&m_mutex);
        return m_values.size();
    }

    bool hasChildren(const QVariantList &indexPath) override { return indexPath.isEmpty(); }

    QVariant data(const QVariantList &indexPath) override
    {
        if (indexPath.size() != 1)
            return QVariant();
        QMutexLocker locker(&m_mutex);
        const int row = indexPath.first().toInt();
        if (row < 0 || row >= m_values.size())
            return QVariant();
        return QVariant::fromValue(m_values.at(row));
    }

    void append(const T &value)
    {
        int row;
        {
            QMutexLocker locker(&m_mutex);
            row = m_values.size();
            m_values.append(value);
        }
        emit itemAdded(QVariantList() << row);
    }

    void append(const QList<T> &values)
    {
        for (const T &value : values)
            append(value);
    }

    // An index past the end appends.
    void insert(int row, const T &value)
    {
        {
            QMutexLocker locker(&m_mutex);
            row = qBound(0, row, m_values.size());
            m_values.insert(row, value);
        }
        emit itemAdded(QVariantList() << row);
    }

    // Inserts a block before row and tells views to reload (itemsChanged).
    void insertList(int row, const QList<T> &values)
    {
        {
            QMutexLocker locker(&m_mutex);
            row = qBound(0, row, m_values.size());
            for (int i = 0; i < values.size(); ++i)
                m_values.insert(row + i, values.at(i));
        }
        emit itemsChanged(DataModelChangeType::AddRemove);
    }

    bool replace(int row, const T &value)
    {
        {
            QMutexLocker locker(&m_mutex);
            if (row < 0 || row >= m_values.size())
                return false;
            m_values[row] = value;
        }
        emit itemUpdated(QVariantList() << row);
        return true;
    }

    bool removeAt(int row)
    {
        {
            QMutexLocker locker(&m_mutex);
            if (row < 0 || row >= m_values.size())
                return false;
            m_values.removeAt(row);
        }
        emit itemRemoved(QVariantList() << row);
        return true;
    }

    bool move(int from, int to)
    {
        {
            QMutexLocker locker(&m_mutex);
            if (from < 0 || from >= m_values.size() || to < 0 || to >= m_values.size())
                return false;
            m_values.move(from, to);
        }
        emit itemMoved(QVariantList() << from, QVariantList() << to);
        return true;
    }

    void clear()
    {
        {
            QMutexLocker locker(&m_mutex);
            m_values.clear();
        }
        emit itemsChanged(DataModelChangeType::Init);
    }

    int size() const
    {
        QMutexLocker locker(&m_mutex);
        return m_values.size();
    }

    bool isEmpty() const { return size() == 0; }

    T value(int row) const
    {
        QMutexLocker locker(&m_mutex);
        return m_values.value(row);
    }

    QList<T> toList() const
    {
        QMutexLocker locker(&m_mutex);
        return m_values;
    }

private:
    mutable QMutex m_mutex;
    QList<T> m_values;
};

} // namespace trellan
} // namespace hx

#endif
