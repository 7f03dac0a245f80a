#include <QtCore/QProcess>
#include <QtTest/QtTest>

class tst_Relevance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placesMeantAreShownAtTheRecordedLevel()
    {
        QProcess report;
        report.start(QStringLiteral(HX_RELEVANCE),
                     { QStringLiteral("--check"), QStringLiteral("--gazetteer"), QStringLiteral(HX_DEFAULT_GAZETTEER),
                       QStringLiteral(HX_RELEVANCE_TABLE) });
        QVERIFY(report.waitForFinished(540000));
        const QString output = QString::fromUtf8(report.readAllStandardOutput() + report.readAllStandardError());
        QVERIFY2(output.contains(QLatin1String(" shown before More, ")), qPrintable(output));
        QVERIFY2(report.exitStatus() == QProcess::NormalExit && report.exitCode() == 0, qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(tst_Relevance)
#include "tst_relevance.moc"
