#include <hx/system/contextcollector.h>

#include <QtCore/QDateTime>
#include <QtCore/QDebug>
#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonValue>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>

namespace hx {
namespace system {

namespace {

QMutex logMutex;

// A JSON string literal with the escaping QJsonDocument applies.
QByteArray quoted(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray { QJsonValue(text) }).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

ContextCollector::ContextCollector(const QString &source, const QString &version, QObject *parent)
    : QObject(parent), m_source(source), m_version(version)
{ }

ContextCollector::~ContextCollector() = default;

bool ContextCollector::isValid() const
{
    return !m_source.isEmpty() && !m_version.isEmpty();
}

QString ContextCollector::source() const
{
    return m_source;
}

QString ContextCollector::version() const
{
    return m_version;
}

ContextEvent ContextCollector::customEvent(const QString &name) const
{
    return ContextEvent(name);
}

QByteArray ContextCollector::toJsonLine(const ContextEvent &event, qint64 msecsSinceEpoch) const
{
    // Written by hand because QJsonObject sorts its keys, and the fields' order is part of
    // the event.
    QByteArray fields = "{";
    const auto pairs = event.fields();
    for (int i = 0; i < pairs.size(); ++i) {
        if (i > 0)
            fields += ',';
        fields += quoted(pairs.at(i).first) + ':' + quoted(pairs.at(i).second);
    }
    fields += '}';
    return "{\"source\":" + quoted(m_source) + ",\"version\":" + quoted(m_version) + ",\"event\":"
        + quoted(event.name()) + ",\"fields\":" + fields + ",\"time\":" + QByteArray::number(msecsSinceEpoch) + '}';
}

bool ContextCollector::send(const ContextEvent &event) const
{
    if (!isValid() || event.name().isEmpty())
        return false;
    const QString path = QString::fromLocal8Bit(qgetenv("HX_EVENT_LOG"));
    if (path.isEmpty())
        return false;

    const QByteArray line = toJsonLine(event, QDateTime::currentMSecsSinceEpoch()) + '\n';
    QMutexLocker locker(&logMutex);
    QFile file(path);
    const bool existed = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qWarning() << "hx::system::ContextCollector::send() cannot open" << path << file.errorString();
        return false;
    }
    if (!existed)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // One write of the whole line, so that another process appending at the same time
    // cannot split it.
    return file.write(line) == line.size() && file.flush();
}

} // namespace system
} // namespace hx
