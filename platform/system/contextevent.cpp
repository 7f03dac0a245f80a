#include <hx/system/contextevent.h>

#include <QtCore/QStringList>

namespace hx {
namespace system {

ContextEvent::ContextEvent(const QString &name) : m_name(name) { }

QString ContextEvent::name() const
{
    return m_name;
}

void ContextEvent::setName(const QString &name)
{
    m_name = name;
}

void ContextEvent::insert(const QString &key, const QString &value, ContextClassification::Type classification)
{
    const int index = indexOf(key);
    if (index >= 0)
        m_fields[index] = { key, value, classification };
    else
        m_fields.append({ key, value, classification });
}

QString ContextEvent::value(const QString &key) const
{
    const int index = indexOf(key);
    return index < 0 ? QString() : m_fields.at(index).value;
}

QStringList ContextEvent::keys() const
{
    QStringList keys;
    for (const Field &field : m_fields)
        keys.append(field.key);
    return keys;
}

QList<QPair<QString, QString>> ContextEvent::fields() const
{
    QList<QPair<QString, QString>> fields;
    for (const Field &field : m_fields)
        fields.append(qMakePair(field.key, field.value));
    return fields;
}

ContextClassification::Type ContextEvent::classification(const QString &key) const
{
    const int index = indexOf(key);
    return index < 0 ? ContextClassification::Default : m_fields.at(index).classification;
}

bool ContextEvent::isEmpty() const
{
    return m_fields.isEmpty();
}

void ContextEvent::clear()
{
    m_fields.clear();
}

int ContextEvent::indexOf(const QString &key) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).key == key)
            return i;
    }
    return -1;
}

} // namespace system
} // namespace hx
