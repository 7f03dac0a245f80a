#ifndef HX_SYSTEM_CONTEXTCOLLECTOR_H
#define HX_SYSTEM_CONTEXTCOLLECTOR_H

#include <hx/system/contextevent.h>

#include <QtCore/QObject>
#include <QtCore/QString>

namespace hx {
namespace system {

// Sends usage events of one source to the context-collection service: each event becomes
// one JSON line appended to the file named by HX_EVENT_LOG, with the members "source",
// "version", "event", "fields" (an object in insertion order) and "time" (milliseconds
// since the epoch, UTC). Without HX_EVENT_LOG events are discarded. A collector with an
// empty source or version is not valid and sends nothing.
class ContextCollector : public QObject
{
    Q_OBJECT
public:
    ContextCollector(const QString &source, const QString &version, QObject *parent = nullptr);
    ~ContextCollector() override;

    bool isValid() const;
    QString source() const;
    QString version() const;

    // A new event with this name, ready for fields.
    ContextEvent customEvent(const QString &name) const;

    // True when the event was written (false when invalid, unnamed, discarded or the file
    // cannot be written). Safe from several threads: lines never interleave.
    bool send(const ContextEvent &event) const;

    // The JSON line send() writes, without the line break.
    QByteArray toJsonLine(const ContextEvent &event, qint64 msecsSinceEpoch) const;

private:
    QString m_source;
    QString m_version;
};

} // namespace system
} // namespace hx

#endif
