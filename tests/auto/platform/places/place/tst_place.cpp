#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/platform/places/utilities.h>

#include <QtCore/QDataStream>
#include <QtTest/QtTest>

#include <memory>

#include "../../../../../platform/places/place_p.h"
#include "../../../../../platform/places/placeheader_p.h"

using namespace hx::platform::places;

class tst_Place : public QObject
{
    Q_OBJECT

private:
    static Place richPlace()
    {
        Address address;
        address.setStreet(QStringLiteral("12 King Street"));
        address.setCity(QStringLiteral("Waterloo"));
        address.setRegion(QStringLiteral("ON"));
        address.setPostalCode(QStringLiteral("N2L 3G1"));
        address.setCountry(QStringLiteral("Canada"));
        address.setExtendedAddressLines({ QStringLiteral("Suite 4"), QStringLiteral("12 King Street") });
        Coordinates coordinates(43.5, -80.25);
        coordinates.setHorizontalAccuracy(12.7f);
        Place place(QStringLiteral("Café Nord"), Location(coordinates, address));
        place.setDescription(QStringLiteral("Coffee"));
        place.addTag(QLatin1String(Tags::Favorite));
        place.addTag(QStringLiteral("NAMEFIELD:1"));
        PointOfInterestAuxiliaryData poi;
        poi.setPhoneNumber(QStringLiteral("+1 519 555 0100"));
        poi.setUrl(QUrl(QStringLiteral("http://cafe.example/")));
        poi.setEmailAddress(QStringLiteral("hello@cafe.example"));
        poi.setRating(4.5);
        poi.setOpeningHours({ { DayOfWeek::Monday, { TimeRange(8, 0, 17, 30) } } });
        poi.setCategories({ Category(QStringLiteral("AAA"), QStringLiteral("Cafés"), { QStringLiteral("AAB") }) });
        place.addAuxiliaryData(poi);
        return place;
    }

    static Place placeWithProperties(const QVariantMap &properties)
    {
        AuxiliaryData data(QStringLiteral("test"));
        data.setProperties(properties);
        Place place(QStringLiteral("Props"), Location(Coordinates(1, 2), Address()));
        place.addAuxiliaryData(data);
        return place;
    }

private Q_SLOTS:
    void defaultCoordinatesAreInvalid()
    {
        QVERIFY(!Coordinates().isValid());
        QVERIFY(qIsNaN(Coordinates().latitude()));
        QVERIFY(Coordinates(0, 0).isValid());
        QVERIFY(!Coordinates(91, 0).isValid());
        QVERIFY(!Coordinates(0, -180.5).isValid());
    }

    void emptyLocationEqualsDefault()
    {
        QCOMPARE(Location(), Location());
        QVERIFY(Location().isEmpty());
        Location located(Coordinates(1, 2), Address());
        QVERIFY(located != Location());
    }

    void primaryAccessorsFallBack()
    {
        Place place = richPlace();
        QCOMPARE(place.primaryPhoneNumber(), QStringLiteral("+1 519 555 0100"));
        QCOMPARE(place.primaryUrl(), QStringLiteral("http://cafe.example/"));
        QCOMPARE(place.primaryEmailAddress(), QStringLiteral("hello@cafe.example"));
        // No label: the one-line address stands in.
        QCOMPARE(place.primaryLocation(), QStringLiteral("12 King Street, Waterloo, ON, N2L 3G1, Canada"));
        QCOMPARE(place.primaryAddress().compactAddressLines(),
                 QStringList({ QStringLiteral("12 King Street"), QStringLiteral("Waterloo, ON N2L 3G1, Canada") }));
        QVERIFY(place.isFavorite());
        QVERIFY(place.hasPhysicalLocation());

        Place contactPlace;
        ContactAuxiliaryData contact;
        contact.setHomePhone(QStringLiteral("555-1"));
        contact.setEmailAddress(QStringLiteral("a@b.example"));
        contactPlace.addAuxiliaryData(contact);
        QCOMPARE(contactPlace.primaryPhoneNumber(), QStringLiteral("555-1"));
        QCOMPARE(contactPlace.primaryEmailAddress(), QStringLiteral("a@b.example"));
        QVERIFY(!contactPlace.hasPhysicalLocation());
        QVERIFY(!contactPlace.primaryCoordinates().isValid());
    }

    void serializationRoundTrip()
    {
        Place place = richPlace();
        place.setId(42);
        place.setLastUsedTime(1700000000);
        std::unique_ptr<Place> back(Utilities::deserialize(Utilities::serialize(place)));
        QVERIFY(back);
        QCOMPARE(back->name(), place.name());
        QCOMPARE(back->tags(), place.tags());
        QCOMPARE(back->location(0), place.location(0));
        QCOMPARE(back->primaryCoordinates().horizontalAccuracy(), 12.7f);
        const PointOfInterestAuxiliaryData poi(
            back->firstAuxiliaryData(QLatin1String(AuxiliaryData::TypePointOfInterest)));
        QCOMPARE(poi.rating(), 4.5);
        QCOMPARE(poi.openingHours().value(DayOfWeek::Monday).value(0), TimeRange(8, 0, 17, 30));
        QCOMPARE(poi.categories().value(0).childCodes(), QStringList { QStringLiteral("AAB") });
        QCOMPARE(*back, place);
    }

    void refusedBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = Utilities::serialize(richPlace());
        QTest::newRow("empty bytes give nothing") << QByteArray();
        for (int cut : { 3, 6, 20, good.size() / 2, good.size() - 1 })
            QTest::newRow(qPrintable(QStringLiteral("bytes cut after %1 give nothing").arg(cut))) << good.left(cut);
        QTest::newRow("foreign bytes give nothing") << QByteArray("{\"selected_place\":{}}");
        QTest::newRow("trailing bytes give nothing") << good + QByteArray("xx");
        QByteArray newer = good;
        QDataStream(&newer, QIODevice::ReadWrite) << Utilities::Magic << quint16(Utilities::Version + 1);
        QTest::newRow("a newer version gives nothing") << newer;
        QByteArray hugeCount = Utilities::serialize(Place());
        hugeCount.chop(8); // the two empty list counts
        QDataStream(&hugeCount, QIODevice::Append) << quint32(0x7fffffff) << quint32(0);
        QTest::newRow("an impossible list count gives nothing") << hugeCount;
        // Same length, so every count before it still lines up.
        QByteArray repeated = Utilities::serialize(placeWithProperties(
            { { QStringLiteral("dup1"), QVariantMap { { QStringLiteral("x"), 1 } } }, { QStringLiteral("dup2"), 2 } }));
        QVERIFY(repeated.contains("\"dup2\""));
        repeated.replace("\"dup2\"", "\"dup1\"");
        QTest::newRow("a property map that names a member twice gives nothing") << repeated;
    }

    void refusedBytes()
    {
        QFETCH(QByteArray, bytes);
        Place *sentinel = reinterpret_cast<Place *>(0x1);
        Place *place = sentinel;
        QVERIFY(!Utilities::deserialize(bytes, place));
        QCOMPARE(place, sentinel); // left as the caller had it
        QVERIFY(!Utilities::deserialize(bytes));
    }

    // Names that only the strictest comparison tells apart are still different names.
    void propertyNamesReadBack_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("names that differ only after a NUL")
            << QStringList { QString::fromUtf16(u"a\0b", 3), QString::fromUtf16(u"a\0c", 3) };
        QTest::newRow("names that differ only in a lone surrogate")
            << QStringList { QString(QChar(0xd800)) + QLatin1Char('x'), QString(QChar(0xdc00)) + QLatin1Char('x') };
        QTest::newRow("a name and its escaped look-alike")
            << QStringList { QStringLiteral("a/b"), QStringLiteral("a\\/b") };
    }

    void propertyNamesReadBack()
    {
        QFETCH(QStringList, names);
        QVariantMap properties;
        for (const QString &name : names)
            properties.insert(name, QVariantMap { { name, 1 } });
        std::unique_ptr<Place> back(Utilities::deserialize(Utilities::serialize(placeWithProperties(properties))));
        QVERIFY(back);
        QCOMPARE(back->auxiliaryData().value(0).properties(), properties);
    }

    void mapUrlDecodesBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QString();
        QTest::newRow("an escape-like percent") << QStringLiteral("A%41");
        QTest::newRow("a lone percent") << QStringLiteral("100% Juice");
        QTest::newRow("query delimiters") << QStringLiteral("Fish & Chips = Food?");
        QTest::newRow("plus and hash") << QStringLiteral("C++ Bar #1");
        QTest::newRow("beyond the basic plane") << QStringLiteral("Caf\u00e9 \U0001F600");
    }

    void mapUrlDecodesBack()
    {
        QFETCH(QString, name);
        Place place = richPlace();
        place.setId(7);
        if (!name.isEmpty())
            place.setName(name);
        Place decoded;
        QVERIFY(PlacePrivate::decodePlaceFromMapUrl(place.mapUrl(), decoded));
        QCOMPARE(decoded.id(), qint64(7));
        QCOMPARE(decoded.name(), place.name());
        QCOMPARE(decoded.primaryCoordinates().latitude(), 43.5);
        QCOMPARE(decoded.primaryLocation(), place.primaryLocation());
        QVERIFY(!PlacePrivate::decodePlaceFromMapUrl(QUrl(QStringLiteral("geo:1,2")), decoded));
    }

    void publicHeaderKeepsIdentity()
    {
        Place place = richPlace();
        place.setId(9);
        place.addLocation(Location(Coordinates(1, 1), Address()));
        std::unique_ptr<PlaceHeader> header(PlaceHeaderPrivate::createPublicHeader(&place));
        QVERIFY(header);
        QCOMPARE(header->id(), qint64(9));
        QCOMPARE(header->locationCount(), 1);
        QVERIFY(header->isFavorite());
        QVERIFY(header->hasAuxiliaryData(QLatin1String(AuxiliaryData::TypePointOfInterest)));
        const AbstractPlace *record = header.get();
        QVERIFY(dynamic_cast<const PlaceHeader *>(record));
        QVERIFY(!dynamic_cast<const Place *>(record));
        QVERIFY(!PlaceHeaderPrivate::createPublicHeader(nullptr));
    }
};

QTEST_GUILESS_MAIN(tst_Place)
#include "tst_place.moc"
