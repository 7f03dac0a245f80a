#include <hx/system/contextcollector.h>

#include <testroots.h>

#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtTest/QtTest>

using namespace hx::system;

class tst_ContextCollector : public QObject
{
    Q_OBJECT

private slots:
    void eventsAreWrittenAsJsonLinesWithTheirFields();
    void fieldsKeepTheirInsertionOrder();
    void awkwardTextSurvivesTheJson();
    void nothingIsSent_data();
    void nothingIsSent();
};

namespace {
QList<QByteArray> lines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> result = file.readAll().split('\n');
    if (!result.isEmpty() && result.constLast().isEmpty())
        result.removeLast();
    return result;
}
} // namespace

void tst_ContextCollector::eventsAreWrittenAsJsonLinesWithTheirFields()
{
    hx::test::TestRoots roots;
    ContextCollector collector("sys.places", "1.0.001");
    QVERIFY(collector.isValid());
    ContextEvent selection = collector.customEvent("PlacePickerSelection");
    selection.insert("placeName", "Cafe");
    selection.insert("DUP_0_placeTag", "favorite");
    QVERIFY(collector.send(selection));
    selection.clear();
    QVERIFY(selection.isEmpty());
    QVERIFY(collector.send(ContextEvent("PlacePickerCancellation")));

    const QList<QByteArray> written = lines(roots.eventLogPath());
    QCOMPARE(written.size(), 2);
    const QJsonObject first = QJsonDocument::fromJson(written.at(0)).object();
    QCOMPARE(first.value("source").toString(), QString("sys.places"));
    QCOMPARE(first.value("version").toString(), QString("1.0.001"));
    QCOMPARE(first.value("event").toString(), QString("PlacePickerSelection"));
    QCOMPARE(first.value("fields").toObject().value("placeName").toString(), QString("Cafe"));
    QCOMPARE(first.value("fields").toObject().value("DUP_0_placeTag").toString(), QString("favorite"));
    QVERIFY(first.value("time").toDouble() > 0);
    const QJsonObject second = QJsonDocument::fromJson(written.at(1)).object();
    QCOMPARE(second.value("event").toString(), QString("PlacePickerCancellation"));
    QVERIFY(second.value("fields").toObject().isEmpty());
    QCOMPARE(QFile::permissions(roots.eventLogPath()) & 0x0077, QFileDevice::Permissions());
}

void tst_ContextCollector::fieldsKeepTheirInsertionOrder()
{
    ContextCollector collector("sys.places", "1.0.001");
    ContextEvent event("PlacesOpenTableClick");
    event.insert("applicationName", "gid_12");
    event.insert("restaurantName", "Zur Post");
    event.insert("applicationName", "maps");
    QCOMPARE(collector.toJsonLine(event, 5),
             QByteArray("{\"source\":\"sys.places\",\"version\":\"1.0.001\",\"event\":\"PlacesOpenTableClick\","
                        "\"fields\":{\"applicationName\":\"maps\",\"restaurantName\":\"Zur Post\"},\"time\":5}"));
}

void tst_ContextCollector::awkwardTextSurvivesTheJson()
{
    hx::test::TestRoots roots;
    ContextCollector collector("sys.places", "1.0.001");
    ContextEvent event("PlacePickerSelection");
    const QString name = QString::fromUtf8("O'Connell \"Pub\"\n\\ Café ☕");
    event.insert("placeName", name);
    QVERIFY(collector.send(event));
    const QList<QByteArray> written = lines(roots.eventLogPath());
    QCOMPARE(written.size(), 1);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(written.first(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.value("fields").toObject().value("placeName").toString(), name);
}

void tst_ContextCollector::nothingIsSent_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("eventName");
    QTest::addColumn<bool>("logSet");
    QTest::newRow("a collector without a source is invalid") << ""
                                                             << "PlacePickerInvocation" << true;
    QTest::newRow("an event without a name") << "sys.places"
                                             << "" << true;
    QTest::newRow("no event log configured") << "sys.places"
                                             << "PlacePickerInvocation" << false;
}

void tst_ContextCollector::nothingIsSent()
{
    QFETCH(QString, source);
    QFETCH(QString, eventName);
    QFETCH(bool, logSet);
    hx::test::TestRoots roots;
    if (!logSet)
        qunsetenv("HX_EVENT_LOG");
    ContextCollector collector(source, "1.0.001");
    QVERIFY(!collector.send(ContextEvent(eventName)));
    QVERIFY(!QFile::exists(roots.eventLogPath()));
}

QTEST_GUILESS_MAIN(tst_ContextCollector)
#include "tst_contextcollector.moc"
