#ifndef HX_SYSTEM_CONTEXTEVENT_H
#define HX_SYSTEM_CONTEXTEVENT_H

#include <QtCore/QList>
#include <QtCore/QPair>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace system {

// How sensitive a field of a usage event is.
class ContextClassification
{
public:
    enum Type { Default = 0, Personal = 1, Confidential = 2 };
};

// One named usage event with text fields, kept in the order they were inserted. Inserting
// a name again replaces its value in place.
class ContextEvent
{
public:
    explicit ContextEvent(const QString &name = QString());

    QString name() const;
    void setName(const QString &name);

    void insert(const QString &key, const QString &value,
                ContextClassification::Type classification = ContextClassification::Default);
    QString value(const QString &key) const;
    QStringList keys() const;
    QList<QPair<QString, QString>> fields() const;
    ContextClassification::Type classification(const QString &key) const;
    bool isEmpty() const;
    // Removes every field; the name stays.
    void clear();

private:
    struct Field
    {
        QString key;
        QString value;
        ContextClassification::Type classification;
    };
    int indexOf(const QString &key) const;

    QString m_name;
    QList<Field> m_fields;
};

} // namespace system
} // namespace hx

#endif
