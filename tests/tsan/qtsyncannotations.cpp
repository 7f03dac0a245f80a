// Tells ThreadSanitizer how the installed Qt, which is not built with it, orders threads.
//
// QMutex and QWaitCondition lock with atomics and futexes inside libQt5Core, where the sanitizer
// sees nothing: two threads that share a list under a QMutex look unsynchronised to it, and no
// frame of Qt is on the reported stacks to suppress such a false report by. The same holds for a
// queued signal (the event queue's lock is Qt's) and for the end of a QThread that another thread
// waits for, and for a job handed to a thread pool. Every program and library of a ThreadSanitizer build links this
// library ahead of Qt, so the calls our code makes to these functions land here first: each one calls Qt's own and adds
// the acquire or release the sanitizer needs. Calls inside Qt itself do not come here; the suppressions cover those.
//
// The event queue is modelled coarsely, as one process-wide token that every signal emitted, event
// posted or event delivered to an object of ours takes and hands on (an acquire and a release,
// before and after Qt's own call). A queued call copies its arguments inside Qt, between our
// release and Qt's post, so only a later pass through the queue orders them for the receiver;
// the token orders more than Qt does, which can hide a race between a sender and its own queued
// receiver, but never one between threads that share data outside the queue.
#include <QtCore/QCoreApplication>
#include <QtCore/QDeadlineTimer>
#include <QtCore/QEvent>
#include <QtCore/QMutex>
#include <QtCore/QObject>
#include <QtCore/QRunnable>
#include <QtCore/QThread>
#include <QtCore/QThreadPool>
#include <QtCore/QVariant>
#include <QtCore/QWaitCondition>

#include <sanitizer/tsan_interface.h>

#include <dlfcn.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <new>
#include <thread>

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

void passEventQueue()
{
    __tsan_acquire(&g_eventQueue);
    __tsan_release(&g_eventQueue);
}

// Qt posts a queued call inside its own function, before the sender hands the token on, so a
// receiver could take the event before the hand-on. A receiver therefore waits, briefly, until no
// other thread is inside an emit or post of ours.
std::atomic<int> g_threadsPosting { 0 };
thread_local int t_postingDepth = 0;

class Posting
{
public:
    Posting()
    {
        if (t_postingDepth++ == 0)
            g_threadsPosting.fetch_add(1);
    }
    ~Posting()
    {
        if (--t_postingDepth == 0)
            g_threadsPosting.fetch_sub(1);
    }
};

void receiveFromEventQueue()
{
    const int self = t_postingDepth > 0 ? 1 : 0;
    // Bounded: a sender blocked inside its emit (a direct slot that waits) must not stall us.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(20);
    while (g_threadsPosting.load() > self && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    passEventQueue();
}

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
    Posting posting;
    passEventQueue();
    function(sender, metaObject, localSignalIndex, argv);
    passEventQueue();
}

void QMetaObject::activate(QObject *sender, int signalOffset, int localSignalIndex, void **argv)
{
    static const auto function
        = real<void (*)(QObject *, int, int, void **)>("_ZN11QMetaObject8activateEP7QObjectiiPPv");
    Posting posting;
    passEventQueue();
    function(sender, signalOffset, localSignalIndex, argv);
    passEventQueue();
}

void QCoreApplication::postEvent(QObject *receiver, QEvent *event, int priority)
{
    static const auto function
        = real<void (*)(QObject *, QEvent *, int)>("_ZN16QCoreApplication9postEventEP7QObjectP6QEventi");
    Posting posting;
    passEventQueue();
    function(receiver, event, priority);
    passEventQueue();
}

// A functor queued with QMetaObject::invokeMethod.
bool QMetaObject::invokeMethodImpl(QObject *object, QtPrivate::QSlotObjectBase *slot, Qt::ConnectionType type,
                                   void *ret)
{
    static const auto function = real<bool (*)(QObject *, QtPrivate::QSlotObjectBase *, Qt::ConnectionType, void *)>(
        "_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv");
    Posting posting;
    passEventQueue();
    const bool invoked = function(object, slot, type, ret);
    passEventQueue();
    return invoked;
}

bool QObject::event(QEvent *event)
{
    static const auto function = real<bool (*)(QObject *, QEvent *)>("_ZN7QObject5eventEP6QEvent");
    receiveFromEventQueue();
    const bool handled = function(this, event);
    passEventQueue();
    return handled;
}

// An object's end. Destroying a receiver reads its senders under their locks, and a sender
// destroyed on another thread waits for those locks before it is freed; both locks are Qt's. A
// lock the sanitizer sees stands for them: destructions take turns, waiting only briefly, so a
// destructor that waits for another thread never stalls it for good.
namespace {
// Made once and never destroyed: objects still end after the program's statics are gone.
std::recursive_mutex &objectEnds()
{
    static auto *const mutex = new std::recursive_mutex;
    return *mutex;
}

bool takeTurn()
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(50);
    while (!objectEnds().try_lock()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::yield();
    }
    return true;
}
} // namespace

QObject::~QObject()
{
    static const auto function = real<void (*)(QObject *)>("_ZN7QObjectD2Ev");
    // The events still queued for the object are freed here, like delivered ones.
    receiveFromEventQueue();
    const bool turn = takeTurn();
    function(this);
    // Qt's destructor has freed the private part; the member left to destroy here must not
    // free it again.
    new (&d_ptr) QScopedPointer<QObjectData>();
    if (turn)
        objectEnds().unlock();
}

// A thread's object takes queued calls in its own handler, not in QObject's.
bool QThread::event(QEvent *event)
{
    static const auto function = real<bool (*)(QThread *, QEvent *)>("_ZN7QThread5eventEP6QEvent");
    receiveFromEventQueue();
    const bool handled = function(this, event);
    passEventQueue();
    return handled;
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

// A job handed to a thread pool: the pool's queue and its wait for the jobs are Qt's, so the job
// runs wrapped, taking the token before and handing it on after.
namespace {

class AnnotatedRunnable : public QRunnable
{
public:
    explicit AnnotatedRunnable(QRunnable *job) : m_job(job), m_deleteJob(job->autoDelete()) { setAutoDelete(true); }
    ~AnnotatedRunnable() override
    {
        if (m_deleteJob)
            delete m_job;
    }
    void keepJob() { m_deleteJob = false; }
    void run() override
    {
        passEventQueue();
        m_job->run();
        passEventQueue();
    }

private:
    QRunnable *m_job;
    bool m_deleteJob;
};

std::function<void()> annotated(std::function<void()> job)
{
    return [job = std::move(job)] {
        passEventQueue();
        job();
        passEventQueue();
    };
}

} // namespace

void QThreadPool::start(QRunnable *runnable, int priority)
{
    static const auto function = real<void (*)(QThreadPool *, QRunnable *, int)>("_ZN11QThreadPool5startEP9QRunnablei");
    if (!runnable)
        return function(this, runnable, priority);
    // Made before the hand-on, so the pool's thread sees the wrapper whole.
    auto *wrapper = new AnnotatedRunnable(runnable);
    passEventQueue();
    function(this, wrapper, priority);
}

bool QThreadPool::tryStart(QRunnable *runnable)
{
    static const auto function = real<bool (*)(QThreadPool *, QRunnable *)>("_ZN11QThreadPool8tryStartEP9QRunnable");
    if (!runnable)
        return function(this, runnable);
    auto *wrapper = new AnnotatedRunnable(runnable);
    passEventQueue();
    if (function(this, wrapper))
        return true;
    // Refused: the caller still owns its job.
    wrapper->keepJob();
    delete wrapper;
    return false;
}

// The pool makes a job of a function only after our hand-on, so the job is made here, wrapped,
// and handed to the pool as a job: the pool's thread then sees it whole.
void QThreadPool::start(std::function<void()> functionToRun, int priority)
{
    static const auto function = real<void (*)(QThreadPool *, QRunnable *, int)>("_ZN11QThreadPool5startEP9QRunnablei");
    if (!functionToRun)
        return;
    QRunnable *job = QRunnable::create(annotated(std::move(functionToRun)));
    passEventQueue();
    function(this, job, priority);
}

bool QThreadPool::tryStart(std::function<void()> functionToRun)
{
    static const auto function = real<bool (*)(QThreadPool *, QRunnable *)>("_ZN11QThreadPool8tryStartEP9QRunnable");
    if (!functionToRun)
        return false;
    QRunnable *job = QRunnable::create(annotated(std::move(functionToRun)));
    passEventQueue();
    if (function(this, job))
        return true;
    delete job; // refused: nobody else owns it
    return false;
}

bool QThreadPool::waitForDone(int msecs)
{
    static const auto function = real<bool (*)(QThreadPool *, int)>("_ZN11QThreadPool11waitForDoneEi");
    const bool done = function(this, msecs);
    passEventQueue();
    return done;
}
