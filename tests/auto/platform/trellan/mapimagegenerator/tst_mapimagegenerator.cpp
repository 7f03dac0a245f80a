#include <hx/trellan/maps/mapimagegenerator.h>

#include <gazetteerfixture.h>
#include <signalwaiter.h>

#include <QtCore/QTemporaryDir>

#include <QtTest/QtTest>

using namespace hx::trellan::maps;
using hx::test::SignalWaiter;

namespace {
ViewProperties view(double latitude, double longitude, double altitude, int width, int height)
{
    ViewProperties properties;
    properties.setLatitude(latitude);
    properties.setLongitude(longitude);
    properties.setAltitude(altitude);
    properties.setWindow(0, 0, width - 1, height - 1);
    return properties;
}

bool isMarkerRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

int redPixelsAround(const QImage &image, const QPoint &centre, int radius)
{
    int red = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y) {
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
            if (image.valid(x, y) && isMarkerRed(image.pixel(x, y)))
                ++red;
        }
    }
    return red;
}
// The smallest rectangle holding every pixel in which the two pictures differ.
QRect differences(const QImage &a, const QImage &b)
{
    QRect changed;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
        }
    }
    return changed;
}

// Pixels of the names' dark letters (the dots and the map's lines are lighter).
int textPixels(const QImage &image)
{
    int count = 0;
    for (int y = 30; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            // Grey, not the dark red of a pin's outline.
            count += qGray(pixel) < 0x48 && qAbs(qRed(pixel) - qBlue(pixel)) < 0x20 ? 1 : 0;
        }
    }
    return count;
}

QImage mapOf(const QList<hx::platform::places::GazetteerEntry> &entries, const QString &path)
{
    if (!hx::test::GazetteerFixture::write(path, entries))
        return QImage();
    MapImageGenerator generator(view(43.5, -80.25, 2000, 720, 336), { MapPin { 43.5, -80.25, QString() } });
    generator.setGazetteerPath(path);
    return generator.render();
}
} // namespace

class tst_MapImageGenerator : public QObject
{
    Q_OBJECT
private slots:
    void markerSitsAtTheCentre_data();
    void markerSitsAtTheCentre();
    void finishedComesWithAValidPng();
    void geoListPinsBecomeMarkers();
    void scaleFollowsTheAltitude();
    void namesAreDrawnOnceAndNotUnderAPin();
    void invalidViewsGiveNoImage_data();
    void invalidViewsGiveNoImage();
};

void tst_MapImageGenerator::markerSitsAtTheCentre_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("altitude");
    QTest::addColumn<QSize>("size");
    QTest::newRow("a city seen from 5 km in a 768 square") << 43.4643 << -80.5204 << 5000.0 << QSize(768, 768);
    QTest::newRow("the default altitude in a wide strip") << 51.5 << -0.12 << qQNaN() << QSize(720, 336);
    QTest::newRow("near the pole") << 84.9 << 10.0 << 20000.0 << QSize(200, 200);
    QTest::newRow("on the date line") << 0.0 << 180.0 << 100.0 << QSize(300, 300);
}

void tst_MapImageGenerator::markerSitsAtTheCentre()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, altitude);
    QFETCH(QSize, size);
    MapImageGenerator generator(view(latitude, longitude, altitude, size.width(), size.height()),
                                { MapPin { latitude, longitude, QString() } });
    const QImage image = generator.render();
    QCOMPARE(image.size(), size);
    const QPoint centre(size.width() / 2, size.height() / 2);
    QCOMPARE(generator.project(latitude, longitude).toPoint(), centre);
    QVERIFY2(redPixelsAround(image, centre, 4) > 0, "the marker's point is at the centre");
    // Far from the marker the map has no marker colour.
    QCOMPARE(redPixelsAround(image, QPoint(4, 4), 3), 0);
}

void tst_MapImageGenerator::finishedComesWithAValidPng()
{
    MapImageGenerator generator(view(43.5, -80.25, 1000, 768, 768), { MapPin { 43.5, -80.25, QString() } });
    QSignalSpy finished(&generator, &MapImageGenerator::finished);
    QVERIFY(!generator.isValid());
    generator.start();
    QVERIFY(SignalWaiter::wait(finished, 1, 10000));
    QCOMPARE(finished.at(0).at(0).value<MapImageGenerator *>(), &generator);
    QVERIFY(generator.isValid());
    const QByteArray png = generator.imageData();
    QVERIFY(png.startsWith("\x89PNG"));
    QImage decoded;
    QVERIFY(decoded.loadFromData(png, "PNG"));
    QCOMPARE(decoded.size(), QSize(768, 768));
}

void tst_MapImageGenerator::geoListPinsBecomeMarkers()
{
    hx::platform::geo::GeoList pins;
    pins.append(hx::platform::geo::Point(43.5, -80.25));
    pins.append(hx::platform::geo::Point());
    MapImageGenerator generator(view(43.5, -80.25, 2000, 400, 400), pins);
    QCOMPARE(generator.pins().size(), 1);
    QVERIFY(redPixelsAround(generator.render(), QPoint(200, 200), 4) > 0);
}

void tst_MapImageGenerator::scaleFollowsTheAltitude()
{
    const double low = view(0, 0, 1000, 768, 768).metresPerPixel();
    const double high = view(0, 0, 10000, 768, 768).metresPerPixel();
    QVERIFY(qFuzzyCompare(high / low, 10.0));
    // The same ground seen from higher up puts a point nearer the centre.
    MapImageGenerator near(view(0, 0, 1000, 768, 768));
    MapImageGenerator far(view(0, 0, 10000, 768, 768));
    QVERIFY(near.project(0, 0.005).x() - 384 > far.project(0, 0.005).x() - 384);
    QVERIFY(near.render() != far.render());
}

void tst_MapImageGenerator::namesAreDrawnOnceAndNotUnderAPin()
{
    using hx::test::GazetteerFixture;
    QTemporaryDir folder;
    const auto library
        = GazetteerFixture::poi(QStringLiteral("Library"), 43.5015, -80.2540, QStringLiteral("library"), 5);
    const auto again
        = GazetteerFixture::poi(QStringLiteral("Library"), 43.4985, -80.2460, QStringLiteral("library"), 4);
    const auto pinned = GazetteerFixture::poi(QStringLiteral("Pinned Café"), 43.5, -80.25, QStringLiteral("cafe"), 9);
    const QImage alone = mapOf({ library }, folder.filePath(QStringLiteral("alone.db")));
    QVERIFY(!alone.isNull());
    // The place under the pin is the pin's: neither its dot nor its name is drawn.
    QCOMPARE(differences(alone, mapOf({ library, pinned }, folder.filePath(QStringLiteral("pinned.db")))), QRect());
    // A second place of the same name gets its dot, not the name again; another name is drawn.
    // (One name's letters, give or take the smoothing of where it falls.)
    const int once = textPixels(alone);
    QVERIFY(once > 0);
    const int twice = textPixels(mapOf({ library, again }, folder.filePath(QStringLiteral("again.db"))));
    QVERIFY2(qAbs(twice - once) < once / 2, qPrintable(QStringLiteral("%1 and %2").arg(once).arg(twice)));
    auto other = again;
    other.name = QStringLiteral("Museum");
    QVERIFY(textPixels(mapOf({ library, other }, folder.filePath(QStringLiteral("other.db")))) > once * 3 / 2);
}

void tst_MapImageGenerator::invalidViewsGiveNoImage_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QSize>("size");
    QTest::newRow("no latitude") << qQNaN() << 0.0 << QSize(100, 100);
    QTest::newRow("latitude out of range") << 91.0 << 0.0 << QSize(100, 100);
    QTest::newRow("longitude out of range") << 0.0 << 181.0 << QSize(100, 100);
    QTest::newRow("an empty window") << 0.0 << 0.0 << QSize(0, 0);
    QTest::newRow("an absurdly large window") << 0.0 << 0.0 << QSize(100000, 100000);
}

void tst_MapImageGenerator::invalidViewsGiveNoImage()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QSize, size);
    MapImageGenerator generator(view(latitude, longitude, 1000, size.width(), size.height()));
    QVERIFY(generator.render().isNull());
    QSignalSpy finished(&generator, &MapImageGenerator::finished);
    generator.start();
    QVERIFY(SignalWaiter::wait(finished, 1));
    QVERIFY(!generator.isValid());
    QVERIFY(generator.imageData().isEmpty());
}

QTEST_MAIN(tst_MapImageGenerator)
#include "tst_mapimagegenerator.moc"
