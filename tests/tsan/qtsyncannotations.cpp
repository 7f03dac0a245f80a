// Tells ThreadSanitizer how the installed Qt, which is not built with it, orders threads.
//
// QMutex and QWaitCondition lock with atomics and futexes inside libQt5Core, where the sanitizer
// sees nothing: two threads that share a list under a QMutex look unsynchronised to it, and no
// frame of Qt is on the reported stacks to suppress such a false report by. The same holds for a
// queued signal (the event queue's lock is Qt's) and for the end of a QThread that another thread
// waits for. Every program and library of a ThreadSanitizer build links this library ahead of Qt,
// so the calls our code makes to these functions land here first: each one calls Qt's own and
// adds the acquire or release the sanitizer needs. Calls inside Qt itself do not come here; the
// suppressions cover those.
//
// The event queue is modelled coarsely: a signal emitted or an event posted by our code releases
// one process-wide token, and an event delivered to an object of ours acquires it. That orders
// more than Qt does, so a race between a sender and the receiver of its own queued call is not
// seen; a race between two threads that share data outside the queue still is.
#include <QtCore/QCoreApplication>
#include <QtCore/QDeadlineTimer>
#include <QtCore/QEvent>
#include <QtCore/QMutex>
#include <QtCore/QObject>
#include <QtCore/QThread>
#include <QtCore/QVariant>
#include <QtCore/QWaitCondition>

#include <sanitizer/tsan_interface.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

void *qtCoreFunction(const char *name)
{
    static void *const core = dlopen("libQt5Core.so.5", RTLD_LAZY | RTLD_NOLOAD);
    void *function = core ? dlsym(core, name) : nullptr;
    if (!function) {
        std::fprintf(stderr, "qtsyncannotations: %s not found in libQt5Core\n", name);
        std::abort();
    }
    return function;
}

char g_eventQueue;

template<typename Function> Function real(const char *name)
{
    return reinterpret_cast<Function>(qtCoreFunction(name));
}

} // namespace

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto function = real<void (*)(QMutex *)>("_ZN6QMutex4lockEv");
    function(this);
    __tsan_acquire(this);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto function = real<bool (*)(QMutex *, int)>("_ZN6QMutex7tryLockEi");
    const bool locked = function(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QMutex::unlock() noexcept
{
    static const auto function = real<void (*)(QMutex *)>("_ZN6QMutex6unlockEv");
    __tsan_release(this);
    function(this);
}

// The inline QBasicMutex::lock() and unlock() of our code take the uncontended path with atomics
// the sanitizer sees; the contended path goes through these.
void QBasicMutex::lockInternal() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto function = real<void (*)(QBasicMutex *)>("_ZN11QBasicMutex12lockInternalEv");
    function(this);
    __tsan_acquire(this);
}

bool QBasicMutex::lockInternal(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto function = real<bool (*)(QBasicMutex *, int)>("_ZN11QBasicMutex12lockInternalEi");
    const bool locked = function(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QBasicMutex::unlockInternal() noexcept
{
    static const auto function = real<void (*)(QBasicMutex *)>("_ZN11QBasicMutex14unlockInternalEv");
    __tsan_release(this);
    function(this);
}

// A wait unlocks the mutex and locks it again before it returns; a wake-up orders what the waker
// did before it.
bool QWaitCondition::wait(QMutex *lockedMutex, QDeadlineTimer deadline)
{
    static const auto function = real<bool (*)(QWaitCondition *, QMutex *, QDeadlineTimer)>(
        "_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
    __tsan_release(lockedMutex);
    const bool woken = function(this, lockedMutex, deadline);
    __tsan_acquire(lockedMutex);
    __tsan_acquire(this);
    return woken;
}

bool QWaitCondition::wait(QMutex *lockedMutex, unsigned long time)
{
    static const auto function
        = real<bool (*)(QWaitCondition *, QMutex *, unsigned long)>("_ZN14QWaitCondition4waitEP6QMutexm");
    __tsan_release(lockedMutex);
    const bool woken = function(this, lockedMutex, time);
    __tsan_acquire(lockedMutex);
    __tsan_acquire(this);
    return woken;
}

void QWaitCondition::wakeOne()
{
    static const auto function = real<void (*)(QWaitCondition *)>("_ZN14QWaitCondition7wakeOneEv");
    __tsan_release(this);
    function(this);
}

void QWaitCondition::wakeAll()
{
    static const auto function = real<void (*)(QWaitCondition *)>("_ZN14QWaitCondition7wakeAllEv");
    __tsan_release(this);
    function(this);
}

// Signals and posted events.
void QMetaObject::activate(QObject *sender, const QMetaObject *metaObject, int localSignalIndex, void **argv)
{
    static const auto function
        = real<void (*)(QObject *, const QMetaObject *, int, void **)>("_ZN11QMetaObject8activateEP7QObjectPKS_iPPv");
    __tsan_release(&g_eventQueue);
    function(sender, metaObject, localSignalIndex, argv);
}

void QMetaObject::activate(QObject *sender, int signalOffset, int localSignalIndex, void **argv)
{
    static const auto function
        = real<void (*)(QObject *, int, int, void **)>("_ZN11QMetaObject8activateEP7QObjectiiPPv");
    __tsan_release(&g_eventQueue);
    function(sender, signalOffset, localSignalIndex, argv);
}

void QCoreApplication::postEvent(QObject *receiver, QEvent *event, int priority)
{
    static const auto function
        = real<void (*)(QObject *, QEvent *, int)>("_ZN16QCoreApplication9postEventEP7QObjectP6QEventi");
    __tsan_release(&g_eventQueue);
    function(receiver, event, priority);
}

bool QObject::event(QEvent *event)
{
    static const auto function = real<bool (*)(QObject *, QEvent *)>("_ZN7QObject5eventEP6QEvent");
    __tsan_acquire(&g_eventQueue);
    return function(this, event);
}

// A QThread's end, seen by the thread that waits for it.
void QThread::start(Priority priority)
{
    static const auto function = real<void (*)(QThread *, Priority)>("_ZN7QThread5startENS_8PriorityE");
    static const char *const property = "_hx_tsan_finished";
    if (!this->property(property).toBool()) {
        setProperty(property, true);
        QObject::connect(
            this, &QThread::finished, this, [this] { __tsan_release(this); }, Qt::DirectConnection);
    }
    function(this, priority);
}

bool QThread::wait(QDeadlineTimer deadline)
{
    static const auto function = real<bool (*)(QThread *, QDeadlineTimer)>("_ZN7QThread4waitE14QDeadlineTimer");
    const bool finished = function(this, deadline);
    __tsan_acquire(this);
    return finished;
}

bool QThread::wait(unsigned long time)
{
    static const auto function = real<bool (*)(QThread *, unsigned long)>("_ZN7QThread4waitEm");
    const bool finished = function(this, time);
    __tsan_acquire(this);
    return finished;
}
