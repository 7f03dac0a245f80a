#include <QtCore/QProcess>
#include <QtCore/QProcessEnvironment>
#include <QtTest/QtTest>

// The suppressions must hide only the false reports that come from the uninstrumented Qt
// libraries, never a race of our own on a Qt string or list that happens to run in a Qt thread.
class tst_RaceReport : public QObject
{
    Q_OBJECT

private slots:
    void report_data();
    void report();
};

void tst_RaceReport::report_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("raced");
    QTest::addColumn<QString>("function");

    QTest::newRow("QString written by a QThread") << "race-qstring-thread" << true << "plantedQStringWrite";
    QTest::newRow("QList written by a thread-pool job") << "race-qlist-pool" << true << "plantedQListWrite";
    QTest::newRow("QList under a contended QMutex") << "mutex" << false << QString();
    QTest::newRow("strings through a QWaitCondition") << "waitcondition" << false << QString();
    QTest::newRow("rows through a queued signal") << "queued" << false << QString();
}

void tst_RaceReport::report()
{
    QFETCH(QString, mode);
    QFETCH(bool, raced);
    QFETCH(QString, function);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The project's own suppressions, and a report that does not end the program, so that
    // every report of a run is read.
    environment.insert(QStringLiteral("TSAN_OPTIONS"),
                       QStringLiteral("suppressions=%1:halt_on_error=0:exitcode=66").arg(HX_TSAN_SUPPRESSIONS));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QStringLiteral(HX_PLANTEDRACE_PATH), { mode });
    QVERIFY2(program.waitForFinished(120000), qPrintable(program.errorString()));
    const QString output = QString::fromLocal8Bit(program.readAll());

    QVERIFY2(output.contains(mode + QLatin1String(": done")), qPrintable(output));
    const bool reported = output.contains(QLatin1String("WARNING: ThreadSanitizer: data race"));
    QVERIFY2(reported == raced, qPrintable(output));
    if (raced) {
        QVERIFY2(output.contains(function), qPrintable(output));
        QCOMPARE(program.exitCode(), 66);
    } else {
        QCOMPARE(program.exitCode(), 0);
    }
}

QTEST_GUILESS_MAIN(tst_RaceReport)
#include "tst_racereport.moc"
