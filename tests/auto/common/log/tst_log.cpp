#include <hx/trellan/places/log.h>

#include <QtTest/QtTest>

using hx::trellan::places::Log;

class tst_Log : public QObject
{
    Q_OBJECT

private slots:
    void linesReadExactlyAsWritten_data();
    void linesReadExactlyAsWritten();
};

void tst_Log::linesReadExactlyAsWritten_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("expected");

    QTest::newRow("debug with a number") << int(QtDebugMsg)
                                         << "hx::trellan::places::PlaceManagerUI::getPlace() error = 5";
    QTest::newRow("warning with a quoted name")
        << int(QtWarningMsg) << "hx::trellan::places::X::y() name = O'Connell \"Pub\"";
    QTest::newRow("critical") << int(QtCriticalMsg) << "hx::trellan::places::X::z() failed";
}

void tst_Log::linesReadExactlyAsWritten()
{
    QFETCH(int, level);
    QFETCH(QString, expected);

    const int split = expected.indexOf(QLatin1Char('='));
    const QString head = split < 0 ? expected : expected.left(split + 2);
    const QString tail = split < 0 ? QString() : expected.mid(split + 2);

    QTest::ignoreMessage(QtMsgType(level), qPrintable(expected));
    switch (level) {
    case QtDebugMsg:
        Log::debug() << head << tail.toInt();
        break;
    case QtWarningMsg:
        Log::warning() << head << tail;
        break;
    default:
        Log::critical() << expected;
    }
}

QTEST_GUILESS_MAIN(tst_Log)
#include "tst_log.moc"
