// Shares Qt strings and lists between threads, either without any synchronisation (a real race
// that ThreadSanitizer must report) or through Qt's own means of synchronising (mutex, wait
// condition, queued signal), which must stay quiet under the project's suppressions.
//   hx-plantedrace MODE     (MODE: see the table in main)
#include <QtCore/QCoreApplication>
#include <QtCore/QList>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QObject>
#include <QtCore/QRunnable>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QThread>
#include <QtCore/QThreadPool>
#include <QtCore/QTimer>
#include <QtCore/QWaitCondition>

#include <atomic>
#include <cstdio>
#include <functional>
#include <map>

namespace {

// Relaxed on purpose: it orders nothing, so the threads stay unsynchronised for the sanitizer
// while the reader still waits until the writer has written.
std::atomic<bool> g_written { false };

void waitWritten()
{
    while (!g_written.load(std::memory_order_relaxed))
        QThread::yieldCurrentThread();
}

// The functions are kept out of line so that a report names them.
Q_NEVER_INLINE void plantedQStringWrite(QString *shared)
{
    (*shared)[0] = QLatin1Char('w');
    g_written.store(true, std::memory_order_relaxed);
}

Q_NEVER_INLINE int plantedQStringRead(const QString *shared)
{
    waitWritten();
    return shared->at(0).unicode();
}

Q_NEVER_INLINE void plantedQListWrite(QList<int> *shared)
{
    (*shared)[0] = 42;
    g_written.store(true, std::memory_order_relaxed);
}

Q_NEVER_INLINE int plantedQListRead(const QList<int> *shared)
{
    waitWritten();
    return shared->at(0);
}

class FunctionRunnable : public QRunnable
{
public:
    explicit FunctionRunnable(std::function<void()> function) : m_function(std::move(function)) { }
    void run() override { m_function(); }

private:
    std::function<void()> m_function;
};

// A QString written by a QThread while the main thread reads it.
int raceOnStringInThread()
{
    QString shared = QStringLiteral("shared text");
    shared.detach();
    QThread *writer = QThread::create([&shared] { plantedQStringWrite(&shared); });
    writer->start();
    const int value = plantedQStringRead(&shared);
    writer->wait();
    delete writer;
    return value == 'w' ? 0 : 1;
}

// A QList written by a thread-pool job while the main thread reads it.
int raceOnListInPool()
{
    QList<int> shared { 1, 2, 3 };
    QThreadPool pool;
    pool.start(new FunctionRunnable([&shared] { plantedQListWrite(&shared); }));
    const int value = plantedQListRead(&shared);
    pool.waitForDone();
    return value == 42 ? 0 : 1;
}

// Two pool jobs and the main thread append to one list under a contended QMutex.
int listUnderMutex()
{
    QList<QString> shared;
    QMutex mutex;
    auto work = [&shared, &mutex](const QString &who) {
        for (int i = 0; i < 2000; ++i) {
            QMutexLocker locker(&mutex);
            shared.append(who + QString::number(i));
            if (shared.size() > 50)
                shared.removeFirst();
        }
    };
    QThreadPool pool;
    pool.setMaxThreadCount(2);
    pool.start(new FunctionRunnable([&work] { work(QStringLiteral("a")); }));
    pool.start(new FunctionRunnable([&work] { work(QStringLiteral("b")); }));
    work(QStringLiteral("main"));
    pool.waitForDone();
    return shared.size() == 50 ? 0 : 1;
}

// A producer hands strings to a consumer through a QWaitCondition.
int handOverWithWaitCondition()
{
    QMutex mutex;
    QWaitCondition ready;
    QStringList queue;
    int received = 0;
    QThread *producer = QThread::create([&] {
        for (int i = 0; i < 500; ++i) {
            QString text = QStringLiteral("item %1").arg(i);
            QMutexLocker locker(&mutex);
            queue.append(text);
            ready.wakeOne();
        }
    });
    producer->start();
    while (received < 500) {
        QMutexLocker locker(&mutex);
        while (queue.isEmpty())
            ready.wait(&mutex);
        const QString text = queue.takeFirst();
        locker.unlock();
        if (text.startsWith(QLatin1String("item ")))
            ++received;
    }
    producer->wait();
    delete producer;
    return 0;
}

class Sender : public QObject
{
    Q_OBJECT
signals:
    void rows(const QList<QString> &rows, const QString &label);
};

class Receiver : public QObject
{
    Q_OBJECT
public:
    int received = 0;
public slots:
    void onRows(const QList<QString> &rows, const QString &label)
    {
        QString joined = label;
        for (const QString &row : rows)
            joined += row;
        if (!joined.isEmpty() && ++received == 200)
            QCoreApplication::quit();
    }
};

// A worker thread builds rows and hands them to the main thread by queued signal.
int handOverWithQueuedSignal(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Sender sender;
    Receiver receiver;
    QObject::connect(&sender, &Sender::rows, &receiver, &Receiver::onRows, Qt::QueuedConnection);
    QThread *worker = QThread::create([&sender] {
        for (int i = 0; i < 200; ++i) {
            QList<QString> rows;
            for (int j = 0; j < 10; ++j)
                rows.append(QStringLiteral("row %1.%2").arg(i).arg(j));
            emit sender.rows(rows, QStringLiteral("batch %1").arg(i));
        }
    });
    worker->start();
    QTimer::singleShot(30000, &app, [&app] { app.exit(2); });
    const int result = app.exec();
    worker->wait();
    delete worker;
    return result == 0 && receiver.received == 200 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const std::map<std::string, std::function<int()>> modes {
        { "race-qstring-thread", raceOnStringInThread },
        { "race-qlist-pool", raceOnListInPool },
        { "mutex", listUnderMutex },
        { "waitcondition", handOverWithWaitCondition },
        { "queued", [argc, argv] { return handOverWithQueuedSignal(argc, argv); } },
    };
    const auto mode = argc > 1 ? modes.find(argv[1]) : modes.end();
    if (mode == modes.end()) {
        std::fprintf(stderr, "usage: hx-plantedrace race-qstring-thread|race-qlist-pool|mutex|waitcondition|queued\n");
        return 2;
    }
    const int result = mode->second();
    std::fprintf(stdout, "%s: %s\n", argv[1], result == 0 ? "done" : "wrong result");
    return result;
}

#include "main.moc"
