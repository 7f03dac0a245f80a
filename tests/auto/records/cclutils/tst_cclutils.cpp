#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/reviewauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/trellan/places/cclutils.h>

#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtTest/QtTest>

#include <unistd.h>

#include "testroots.h"

using namespace hx::platform::places;
using hx::test::TestRoots;
using hx::trellan::places::CCLUtils;

namespace {

// The events written so far, one JSON object each, with their raw lines (to check field order).
QList<QJsonObject> readEvents(const QString &path, QStringList *lines = nullptr)
{
    QList<QJsonObject> events;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return events;
    const QList<QByteArray> rawLines = file.readAll().split('\n');
    for (const QByteArray &line : rawLines) {
        if (line.trimmed().isEmpty())
            continue;
        events.append(QJsonDocument::fromJson(line).object());
        if (lines)
            lines->append(QString::fromUtf8(line));
    }
    return events;
}

QJsonObject fieldsOf(const QJsonObject &event)
{
    return event.value(QStringLiteral("fields")).toObject();
}

QSharedPointer<Place> poiPlace()
{
    QSharedPointer<Place> place(new Place);
    place->setName(QStringLiteral("Café Pyrus"));
    PointOfInterestAuxiliaryData poi;
    poi.setName(QStringLiteral("Pyrus"));
    place->addAuxiliaryData(poi);
    place->addAuxiliaryData(ReviewAuxiliaryData());
    place->addAuxiliaryData(poi);
    return place;
}

} // namespace

class tst_CCLUtils : public QObject
{
    Q_OBJECT

private slots:
    void duplicateNames_data();
    void duplicateNames();
    void applicationNameFallsBackToTheProcessId();
    void actionEvents_data();
    void actionEvents();
    void pickerInvocationAndCancellation();
    void selectionOfAPointOfInterest();
    void selectionTagsFollowTheDuplicateRule_data();
    void selectionTagsFollowTheDuplicateRule();
    void selectionOfAContactNamesTheContact();
    void previewerInvocation();
    void openTableClickNamesTheApplicationFirst();
    void nothingIsWrittenWithoutAnEventLog();
};

// One and two of a kind are pinned by the selection events below.
void tst_CCLUtils::duplicateNames_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("tagName");
    QTest::addColumn<QString>("auxName");

    QTest::newRow("no tags at all keeps the base name") << 0 << 0 << "placeTag" << QStringLiteral("auxiliaryData");
    QTest::newRow("a two-digit index is written in decimal")
        << 12 << 10 << "DUP_10_placeTag" << QStringLiteral("DUP_10_auxiliaryData");
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

void tst_CCLUtils::actionEvents_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("event");

    QTest::newRow("a place view action") << 0 << "PlaceViewAction";
    QTest::newRow("a place manager action") << 1 << "PlaceManagerAction";
    QTest::newRow("a My Places crosscut action") << 2 << "MyPlacesCrosscutAction";
}

void tst_CCLUtils::actionEvents()
{
    QFETCH(int, which);
    QFETCH(QString, event);

    TestRoots roots;
    const QString action = QStringLiteral("view detail");
    if (which == 0)
        CCLUtils::logPlaceViewAction(action);
    else if (which == 1)
        CCLUtils::logPlaceManagerAction(action);
    else
        CCLUtils::logMyPlacesCrosscutAction(action);

    const QList<QJsonObject> events = readEvents(roots.eventLogPath());
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.first().value(QStringLiteral("source")).toString(), QStringLiteral("sys.places"));
    QCOMPARE(events.first().value(QStringLiteral("version")).toString(), QStringLiteral("1.0.001"));
    QCOMPARE(events.first().value(QStringLiteral("event")).toString(), event);
    QCOMPARE(fieldsOf(events.first()), QJsonObject({ { QStringLiteral("actionName"), action } }));
}

void tst_CCLUtils::pickerInvocationAndCancellation()
{
    TestRoots roots;
    CCLUtils::logPlacePickerInvocation();
    CCLUtils::logPlacePickerCancellation();

    const QList<QJsonObject> events = readEvents(roots.eventLogPath());
    QCOMPARE(events.size(), 2);
    QCOMPARE(events.at(0).value(QStringLiteral("event")).toString(), QStringLiteral("PlacePickerInvocation"));
    QCOMPARE(fieldsOf(events.at(0)),
             QJsonObject({ { QStringLiteral("applicationName"), CCLUtils::applicationName() } }));
    QCOMPARE(events.at(1).value(QStringLiteral("event")).toString(), QStringLiteral("PlacePickerCancellation"));
    QVERIFY(fieldsOf(events.at(1)).isEmpty());
}

void tst_CCLUtils::selectionOfAPointOfInterest()
{
    TestRoots roots;
    QSharedPointer<Place> place = poiPlace();
    place->setSource(Place::SourceGeocodeService);

    // A point of interest twice and a review once are two types, not three.
    QCOMPARE(
        CCLUtils::getAuxDataTypes(place),
        QStringList({ QLatin1String(AuxiliaryData::TypePointOfInterest), QLatin1String(AuxiliaryData::TypeReview) }));

    CCLUtils::logPlacePickerSelection(place);
    QStringList lines;
    const QList<QJsonObject> events = readEvents(roots.eventLogPath(), &lines);
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.first().value(QStringLiteral("event")).toString(), QStringLiteral("PlacePickerSelection"));
    const QJsonObject expected {
        { QStringLiteral("placeName"), QStringLiteral("Café Pyrus") },
        { QStringLiteral("placeAltName"), QStringLiteral("Pyrus") },
        { QStringLiteral("DUP_0_auxiliaryData"), QLatin1String(AuxiliaryData::TypePointOfInterest) },
        { QStringLiteral("DUP_1_auxiliaryData"), QLatin1String(AuxiliaryData::TypeReview) },
        { QStringLiteral("placeCategory"), QString::number(int(Place::SourceGeocodeService)) },
    };
    QCOMPARE(fieldsOf(events.first()), expected);
    // Fields keep the order in which they were written.
    const QString line = lines.first();
    QVERIFY(line.indexOf(QStringLiteral("placeName")) < line.indexOf(QStringLiteral("placeAltName")));
    QVERIFY(line.indexOf(QStringLiteral("DUP_1_auxiliaryData")) < line.indexOf(QStringLiteral("placeCategory")));
}

void tst_CCLUtils::selectionTagsFollowTheDuplicateRule_data()
{
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QStringList>("fieldNames");
    QTest::addColumn<QStringList>("fieldValues");

    QTest::newRow("a favourite that is also home gets two numbered tag fields")
        << QStringList { QLatin1String(Tags::Favorite), QLatin1String(Tags::Home) }
        << QStringList { "DUP_0_placeTag", "DUP_1_placeTag" }
        << QStringList { QLatin1String(Tags::Favorite), QLatin1String(Tags::Home) };
    QTest::newRow("a place with one tag gets the plain name")
        << QStringList { QLatin1String(Tags::Work) } << QStringList { "placeTag" }
        << QStringList { QLatin1String(Tags::Work) };
    QTest::newRow("tags other than favourite, work and home are not written")
        << QStringList { QLatin1String(Tags::Restaurant) } << QStringList() << QStringList();
}

void tst_CCLUtils::selectionTagsFollowTheDuplicateRule()
{
    QFETCH(QStringList, tags);
    QFETCH(QStringList, fieldNames);
    QFETCH(QStringList, fieldValues);

    TestRoots roots;
    QSharedPointer<Place> place(new Place);
    place->setName(QStringLiteral("Home"));
    for (const QString &tag : tags)
        place->addTag(tag);
    CCLUtils::logPlacePickerSelection(place);

    const QList<QJsonObject> events = readEvents(roots.eventLogPath());
    QCOMPARE(events.size(), 1);
    const QJsonObject fields = fieldsOf(events.first());
    // Without auxiliary data there is no alternative name.
    QVERIFY(!fields.contains(QStringLiteral("placeAltName")));
    QStringList tagFields;
    for (const QString &key : fields.keys()) {
        if (key.endsWith(QStringLiteral("placeTag")))
            tagFields.append(key);
    }
    QCOMPARE(tagFields, fieldNames);
    for (int i = 0; i < fieldNames.size(); ++i)
        QCOMPARE(fields.value(fieldNames.at(i)).toString(), fieldValues.at(i));
}

void tst_CCLUtils::selectionOfAContactNamesTheContact()
{
    TestRoots roots;
    QSharedPointer<Place> place(new Place);
    place->setName(QStringLiteral("Home"));
    ContactAuxiliaryData contact;
    contact.setFullName(QStringLiteral("Ada Lovelace"));
    place->addAuxiliaryData(contact);
    CCLUtils::logPlacePickerSelection(place);

    const QJsonObject fields = fieldsOf(readEvents(roots.eventLogPath()).value(0));
    QCOMPARE(fields.value(QStringLiteral("placeAltName")).toString(), QStringLiteral("Ada Lovelace"));
    QCOMPARE(fields.value(QStringLiteral("auxiliaryData")).toString(), QLatin1String(AuxiliaryData::TypeContact));
}

void tst_CCLUtils::previewerInvocation()
{
    TestRoots roots;
    CCLUtils::logPlacePreviewerInvocation(poiPlace());

    const QList<QJsonObject> events = readEvents(roots.eventLogPath());
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.first().value(QStringLiteral("event")).toString(), QStringLiteral("PlacePreviewerInvocation"));
    const QJsonObject expected {
        { QStringLiteral("placeName"), QStringLiteral("Café Pyrus") },
        { QStringLiteral("DUP_0_auxiliaryData"), QLatin1String(AuxiliaryData::TypePointOfInterest) },
        { QStringLiteral("DUP_1_auxiliaryData"), QLatin1String(AuxiliaryData::TypeReview) },
    };
    QCOMPARE(fieldsOf(events.first()), expected);
}

void tst_CCLUtils::openTableClickNamesTheApplicationFirst()
{
    TestRoots roots;
    CCLUtils::logPlacesOpenTableClick(QStringLiteral("Borealis"));

    QStringList lines;
    const QList<QJsonObject> events = readEvents(roots.eventLogPath(), &lines);
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.first().value(QStringLiteral("event")).toString(), QStringLiteral("PlacesOpenTableClick"));
    QCOMPARE(fieldsOf(events.first()).value(QStringLiteral("restaurantName")).toString(), QStringLiteral("Borealis"));
    QVERIFY(lines.first().indexOf(QStringLiteral("applicationName"))
            < lines.first().indexOf(QStringLiteral("restaurantName")));
}

void tst_CCLUtils::nothingIsWrittenWithoutAnEventLog()
{
    TestRoots roots;
    const QByteArray saved = qgetenv("HX_EVENT_LOG");
    qunsetenv("HX_EVENT_LOG");
    CCLUtils::logPlaceViewAction(QStringLiteral("edit"));
    qputenv("HX_EVENT_LOG", saved);
    QVERIFY(!QFile::exists(roots.eventLogPath()));
}

QTEST_GUILESS_MAIN(tst_CCLUtils)
#include "tst_cclutils.moc"
