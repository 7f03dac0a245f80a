#include <hx/trellan/places/cclutils.h>

#include <QtTest/QtTest>

#include <unistd.h>

using hx::trellan::places::CCLUtils;

class tst_CCLUtils : public QObject
{
    Q_OBJECT

private slots:
    void duplicateNames_data();
    void duplicateNames();
    void applicationNameFallsBackToTheProcessId();
};

void tst_CCLUtils::duplicateNames_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("tagName");
    QTest::addColumn<QString>("auxName");

    QTest::newRow("a single tag keeps the base name") << 1 << 0 << "placeTag"
                                                      << "auxiliaryData";
    QTest::newRow("no tags at all keeps the base name") << 0 << 0 << "placeTag"
                                                        << "auxiliaryData";
    QTest::newRow("the first of two is numbered 0") << 2 << 0 << "DUP_0_placeTag"
                                                    << "DUP_0_auxiliaryData";
    QTest::newRow("the second of two is numbered 1") << 2 << 1 << "DUP_1_placeTag"
                                                     << "DUP_1_auxiliaryData";
    QTest::newRow("a two-digit index is written in decimal") << 12 << 10 << "DUP_10_placeTag"
                                                             << "DUP_10_auxiliaryData";
}

void tst_CCLUtils::duplicateNames()
{
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(QString, tagName);
    QFETCH(QString, auxName);

    QCOMPARE(CCLUtils::getPlaceTagMessageName(count, index), tagName);
    QCOMPARE(CCLUtils::getPlaceAuxiliaryDataMessageName(count, index), auxName);
}

void tst_CCLUtils::applicationNameFallsBackToTheProcessId()
{
    // A desktop has no per-process application links, so the name is made from the process id.
    if (QFileInfo::exists(QStringLiteral("/apps/gid2app")))
        QSKIP("this machine links process ids to applications");
    QCOMPARE(CCLUtils::applicationName(), QStringLiteral("gid_") + QString::number(qint64(::getpid())));
}

QTEST_GUILESS_MAIN(tst_CCLUtils)
#include "tst_cclutils.moc"
