#include <hx/system/systemui.h>
#include <hx/system/systemuielement.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QThread>

namespace hx {
namespace system {

namespace {

struct Entry
{
    SystemUiElement *element;
    SystemUiRecord record;
};

struct Registry
{
    QMutex mutex;
    QList<Entry> visible;
    QList<SystemUiRecord> history;
    int nextSerial = 1;

    SystemUiRecord *historyEntry(int serial)
    {
        for (int i = history.size() - 1; i >= 0; --i) {
            if (history.at(i).serial == serial)
                return &history[i];
        }
        return nullptr;
    }
};

Q_GLOBAL_STATIC(Registry, registry)

int matchingButton(const SystemUiRecord &record, const QString *label, const SystemUiResult::Type *result)
{
    for (int i = 0; i < record.buttons.size(); ++i) {
        const SystemUiRecord::Button &button = record.buttons.at(i);
        if (!button.enabled)
            continue;
        if ((label && button.label == *label) || (result && button.result == *result))
            return i;
    }
    return -1;
}

} // namespace

SystemUi::SystemUi() = default;

SystemUi *SystemUi::instance()
{
    static SystemUi *const object = [] {
        auto *created = new SystemUi;
        if (QCoreApplication *application = QCoreApplication::instance())
            created->moveToThread(application->thread());
        return created;
    }();
    return object;
}

QList<SystemUiRecord> SystemUi::visible()
{
    QMutexLocker locker(&registry->mutex);
    QList<SystemUiRecord> records;
    for (const Entry &entry : qAsConst(registry->visible))
        records.append(entry.record);
    return records;
}

int SystemUi::visibleCount()
{
    QMutexLocker locker(&registry->mutex);
    return registry->visible.size();
}

SystemUiRecord SystemUi::top()
{
    QMutexLocker locker(&registry->mutex);
    return registry->visible.isEmpty() ? SystemUiRecord() : registry->visible.constLast().record;
}

SystemUiRecord SystemUi::find(int serial)
{
    QMutexLocker locker(&registry->mutex);
    for (const Entry &entry : qAsConst(registry->visible)) {
        if (entry.record.serial == serial)
            return entry.record;
    }
    return SystemUiRecord();
}

SystemUiRecord SystemUi::findByObjectName(const QString &objectName)
{
    QMutexLocker locker(&registry->mutex);
    for (int i = registry->visible.size() - 1; i >= 0; --i) {
        if (registry->visible.at(i).record.objectName == objectName)
            return registry->visible.at(i).record;
    }
    return SystemUiRecord();
}

QList<SystemUiRecord> SystemUi::history()
{
    QMutexLocker locker(&registry->mutex);
    return registry->history;
}

void SystemUi::clearHistory()
{
    QMutexLocker locker(&registry->mutex);
    registry->history.clear();
}

bool SystemUi::pressButton(const QString &label)
{
    return press(0, &label, nullptr);
}

bool SystemUi::pressButton(SystemUiResult::Type result)
{
    return press(0, nullptr, &result);
}

bool SystemUi::pressButton(int serial, const QString &label)
{
    return press(serial, &label, nullptr);
}

bool SystemUi::pressButton(int serial, SystemUiResult::Type result)
{
    return press(serial, nullptr, &result);
}

int SystemUi::add(SystemUiElement *element, SystemUiRecord record)
{
    {
        QMutexLocker locker(&registry->mutex);
        record.serial = registry->nextSerial++;
        registry->visible.append({ element, record });
        registry->history.append(record);
    }
    notify();
    return record.serial;
}

void SystemUi::refresh(const SystemUiRecord &record)
{
    {
        QMutexLocker locker(&registry->mutex);
        for (Entry &entry : registry->visible) {
            if (entry.record.serial == record.serial)
                entry.record = record;
        }
        if (SystemUiRecord *shown = registry->historyEntry(record.serial))
            *shown = record;
    }
    notify();
}

void SystemUi::remove(int serial, SystemUiResult::Type result)
{
    {
        QMutexLocker locker(&registry->mutex);
        for (int i = 0; i < registry->visible.size(); ++i) {
            if (registry->visible.at(i).record.serial == serial) {
                registry->visible.removeAt(i);
                break;
            }
        }
        if (SystemUiRecord *shown = registry->historyEntry(serial)) {
            shown->closed = true;
            shown->result = result;
        }
    }
    notify();
}

bool SystemUi::press(int serial, const QString *label, const SystemUiResult::Type *result)
{
    QMutexLocker locker(&registry->mutex);
    for (int i = registry->visible.size() - 1; i >= 0; --i) {
        const Entry &entry = registry->visible.at(i);
        if (serial != 0 && entry.record.serial != serial)
            continue;
        const int index = matchingButton(entry.record, label, result);
        if (index < 0) {
            if (serial != 0)
                return false;
            continue;
        }
        SystemUiElement *element = entry.element;
        if (element->thread() == QThread::currentThread()) {
            // Same thread: the element cannot go away under us, and the press may show
            // further dialogs, which needs the lock free.
            locker.unlock();
            return element->pressButtonAt(index);
        }
        // Posted while the lock is held: the element unregisters under the same lock before it
        // is destroyed, and Qt drops events posted to a destroyed object.
        QMetaObject::invokeMethod(
            element, [element, index] { element->pressButtonAt(index); }, Qt::QueuedConnection);
        return true;
    }
    return false;
}

void SystemUi::notify()
{
    emit instance()->visibleChanged();
}

} // namespace system
} // namespace hx
