#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtTest/QtTest>

#include <memory>

#include "testroots.h"

using hx::test::TestRoots;

class tst_ReadmeGeocoding : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestRoots> m_roots;

private Q_SLOTS:
    void init()
    {
        m_roots.reset(new TestRoots);
        m_roots->setGazetteerPath(QStringLiteral(HX_DEFAULT_GAZETTEER));
    }
    void cleanup() { m_roots.reset(); }

    void examplesAnswerAsTheReadmeSays_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("shown"); // in this order
        QTest::addColumn<QStringList>("notShown");
        QTest::newRow("a town and its region")
            << "hxplaces geocode \"Waterloo, Ontario\"" << QStringList { "Waterloo", "Ontario" } << QStringList();
        QTest::newRow("an address the data holds as a café's")
            << "hxplaces geocode \"8 King St N\"" << QStringList { "Waterloo" } << QStringList { "North Carolina" };
        QTest::newRow("an address whose street is not in the data: the town around the user")
            << "hxplaces geocode \"45 Columbia St W\"" << QStringList { "Waterloo", "\"town\"" } << QStringList();
        QTest::newRow("a position's address")
            << "hxplaces where 43.4723 -80.5449" << QStringList { "Waterloo" } << QStringList();
        QTest::newRow("a link naming a place near its position")
            << "hxplaces open-uri \"geo:43.4643,-80.5204?q=lumen coffee\"" << QStringList { "Lumen Coffee House" }
            << QStringList();
        QTest::newRow("a category word near the user")
            << "hxplaces search cafe" << QStringList { "Lumen Coffee House", "Philippines" } << QStringList();
        QTest::newRow("a local search near an address")
            << "hxplaces show localsearch cafe --demo --near \"200 University Ave W\" --do wait 2000 --dump"
            << QStringList { "Lumen Coffee House" } << QStringList { "Finding the destination" };
        QTest::newRow("the editor saves a new place where its address was found")
            << "hxplaces show new --do type NameField Home --do type AddressField 45 Columbia St W --do action "
               "SaveAction --do wait 2000 --dump"
            << QStringList { "Saved as place", "Waterloo, Ontario, Canada" } << QStringList { "Address not found" };
    }

    void examplesAnswerAsTheReadmeSays()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, notShown);
        QFile readme(QStringLiteral(HX_README));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        QVERIFY2(QString::fromUtf8(readme.readAll()).contains(command), "the README shows the command as run here");

        QStringList arguments = QProcess::splitCommand(command);
        arguments.removeFirst();
        QProcess hxplaces;
        hxplaces.start(QStringLiteral(HX_HXPLACES), arguments);
        QVERIFY(hxplaces.waitForFinished(60000));
        const QString out = QString::fromUtf8(hxplaces.readAllStandardOutput());
        const QString err = QString::fromUtf8(hxplaces.readAllStandardError());
        QVERIFY2(hxplaces.exitCode() == 0, qPrintable(err));
        int from = 0;
        for (const QString &text : shown) {
            from = out.indexOf(text, from);
            QVERIFY2(from >= 0, qPrintable(text + QStringLiteral(" missing, or out of order, in:\n") + out));
        }
        for (const QString &text : notShown)
            QVERIFY2(!out.contains(text), qPrintable(text + QStringLiteral(" shown in:\n") + out));
    }
};

QTEST_GUILESS_MAIN(tst_ReadmeGeocoding)
#include "tst_readmegeocoding.moc"
