#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/propertyreader.h>
#include <hx/trellan/uiconfig.h>

using hx::trellan::UIConfig;
using hx::trellan::places::PlaceUtils;
using hx::trellan::places::PropertyReader;

class tst_PropertyReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void initReadsTheDocumentsOnce();
    void deviceSizes_data();
    void deviceSizes();
    void absentPropertyKeepsTheValue();
    void applicationDocumentWhenTheLibraryIsNotAsked();

private:
    QTemporaryDir m_assets;
    QByteArray m_savedAssets;
    QSize m_savedSize;
};

void tst_PropertyReader::initTestCase()
{
    QVERIFY(m_assets.isValid());
    m_savedAssets = qgetenv("HX_APP_ASSETS");
    qputenv("HX_APP_ASSETS", QFile::encodeName(m_assets.path()));
    m_savedSize = UIConfig::displaySize();
    // An application document of its own, to tell it apart from the library's.
    QDir(m_assets.path()).mkpath(QStringLiteral("places_settings"));
    QFile document(m_assets.path() + QStringLiteral("/places_settings/common.qml"));
    QVERIFY(document.open(QIODevice::WriteOnly));
    document.write("import hx.trellan 1.0\nContainer {\n    property string file_id: \"application\"\n"
                   "    property real map_image_height: 50.5\n}\n");
}

void tst_PropertyReader::cleanupTestCase()
{
    UIConfig::setDisplaySize(m_savedSize);
    qputenv("HX_APP_ASSETS", m_savedAssets);
}

void tst_PropertyReader::initReadsTheDocumentsOnce()
{
    UIConfig::setDisplaySize(QSize(720, 720));
    QTest::ignoreMessage(QtWarningMsg,
                         "hx::trellan::places::PlaceUtils::init(): INFO, loading common.qml as \"720x720 common.qml\"");
    PlaceUtils::init();
    QCOMPARE(PlaceUtils::MAP_IMAGE_HEIGHT, 33.0f);
    QCOMPARE(PlaceUtils::PICTURE_WIDTH, 20.0f);
    QCOMPARE(PlaceUtils::PICTURE_HEIGHT, 20.0f);

    // Every named category, plus "undefined", with the names kept as written.
    QCOMPARE(PlaceUtils::SUB_CATEGORIES.size(), 229);
    QCOMPARE(PlaceUtils::SUB_CATEGORIES.value(QStringLiteral("undefined")).toString(), QString());
    QCOMPARE(PlaceUtils::SUB_CATEGORIES.value(QStringLiteral("AE??")).toString(), QStringLiteral("Restaurants & Bars"));
    QCOMPARE(PlaceUtils::SUB_CATEGORIES.value(QStringLiteral("AE")).toString(), QStringLiteral("Restaurants"));
    QCOMPARE(PlaceUtils::SUB_CATEGORIES.value(QStringLiteral("ANG")).toString(),
             QStringLiteral("Nursing Homes & Residential Care Facilities "));
    QCOMPARE(PlaceUtils::SUB_CATEGORIES.value(QStringLiteral("AIW")).toString(), QStringLiteral("temples"));
    QCOMPARE(PlaceUtils::SUB_CATEGORIES.value(QStringLiteral("ACP")).toString(),
             QStringLiteral("Electric Charging Stations"));

    // A second call on another display changes nothing.
    UIConfig::setDisplaySize(QSize(1440, 1440));
    PlaceUtils::MAP_IMAGE_HEIGHT = 1;
    PlaceUtils::init();
    QCOMPARE(PlaceUtils::MAP_IMAGE_HEIGHT, 1.0f);
    PlaceUtils::MAP_IMAGE_HEIGHT = 33;
}

void tst_PropertyReader::deviceSizes_data()
{
    QTest::addColumn<QSize>("display");
    QTest::addColumn<QString>("fileId");
    QTest::addColumn<float>("mapImageHeight");
    QTest::addColumn<float>("pictureSize");

    // The application's own document is there too: the library's wins when asked for.
    QTest::newRow("the square 720 display") << QSize(720, 720) << "720x720 common.qml" << 33.0f << 20.0f;
    QTest::newRow("the 720 by 1280 display") << QSize(720, 1280) << "720x1280 common.qml" << 42.0f << 29.0f;
    QTest::newRow("the square 1440 display") << QSize(1440, 1440) << "1440x1440 common.qml" << 42.0f << 29.0f;
    QTest::newRow("a display without a folder uses the base") << QSize(800, 480) << "common.qml" << 42.0f << 29.0f;
}

void tst_PropertyReader::deviceSizes()
{
    QFETCH(QSize, display);
    QFETCH(QString, fileId);
    QFETCH(float, mapImageHeight);
    QFETCH(float, pictureSize);

    UIConfig::setDisplaySize(display);
    const PropertyReader reader(QStringLiteral("places_settings/common.qml"), true);
    QVERIFY(reader.isValid());
    QString id = QStringLiteral("invalid");
    float height = 0;
    float width = 0;
    float pictureHeight = 0;
    reader.property(id, QStringLiteral("file_id"));
    reader.property(height, QStringLiteral("map_image_height"));
    reader.property(width, QStringLiteral("picture_width"));
    reader.property(pictureHeight, QStringLiteral("picture_height"));
    QCOMPARE(id, fileId);
    QCOMPARE(height, mapImageHeight);
    QCOMPARE(width, pictureSize);
    QCOMPARE(pictureHeight, pictureSize);
}

void tst_PropertyReader::absentPropertyKeepsTheValue()
{
    const PropertyReader reader(QStringLiteral("places_settings/common.qml"), true);
    float value = 7.5f;
    QString text = QStringLiteral("kept");
    QVariantMap map { { QStringLiteral("a"), 1 } };
    const char warning[]
        = "hx::trellan::places::PropertyReader::property() - Could not read value for QML property: no_such_property";
    QTest::ignoreMessage(QtWarningMsg, warning);
    reader.property(value, QStringLiteral("no_such_property"));
    QTest::ignoreMessage(QtWarningMsg, warning);
    reader.property(text, QStringLiteral("no_such_property"));
    QTest::ignoreMessage(QtWarningMsg, warning);
    reader.property(map, QStringLiteral("no_such_property"));
    QCOMPARE(value, 7.5f);
    QCOMPARE(text, QStringLiteral("kept"));
    QCOMPARE(map.size(), 1);
}

void tst_PropertyReader::applicationDocumentWhenTheLibraryIsNotAsked()
{
    UIConfig::setDisplaySize(QSize(720, 1280));
    const PropertyReader reader(QStringLiteral("places_settings/common.qml"), false);
    QVERIFY(reader.isValid());
    QString id;
    float height = 0;
    reader.property(id, QStringLiteral("file_id"));
    reader.property(height, QStringLiteral("map_image_height"));
    QCOMPARE(id, QStringLiteral("application"));
    QCOMPARE(height, 50.5f);
}

QTEST_MAIN(tst_PropertyReader)
#include "tst_propertyreader.moc"
