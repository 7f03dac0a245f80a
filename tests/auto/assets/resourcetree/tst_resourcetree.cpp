#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtGui/QImage>
#include <QtTest/QtTest>

#include <hx/trellan/places/resourceutils.h>

using hx::trellan::places::ResourceUtils;

namespace {
const QString root = QStringLiteral(":/hx.trellan.places/");
}

class tst_ResourceTree : public QObject
{
    Q_OBJECT

private slots:
    void deviceVariantsAreLargerThanTheirBase_data();
    void deviceVariantsAreLargerThanTheirBase();
    void nothingElseIsEmbedded();
    void pickerImageIsAPng();
};

void tst_ResourceTree::deviceVariantsAreLargerThanTheirBase_data()
{
    QTest::addColumn<QString>("variant");
    QTest::newRow("square display add-place icon") << QStringLiteral("1440x1440/ic_add_as_place.png");
    QTest::newRow("square display no-map picture") << QStringLiteral("1440x1440/cs_nc_no_map.png");
    QTest::newRow("dense display map icon") << QStringLiteral("12ppd/ic_map.png");
}

void tst_ResourceTree::deviceVariantsAreLargerThanTheirBase()
{
    QFETCH(QString, variant);
    const QImage large(root + QStringLiteral("places_images/") + variant);
    const QImage base(root + QStringLiteral("places_images/") + QFileInfo(variant).fileName());
    QVERIFY(!large.isNull());
    QVERIFY(!base.isNull());
    QVERIFY(large.width() > base.width());
}

void tst_ResourceTree::nothingElseIsEmbedded()
{
    // The subcategory document exists only in the base folder.
    QVERIFY(QFile::exists(root + QStringLiteral("places_settings/subcategories.qml")));
    const QStringList deviceFolders
        = QDir(root + QStringLiteral("places_settings")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QCOMPARE(deviceFolders, QStringList({ "1080x1920", "1440x1440", "720x1280", "720x720" }));
    for (const QString &folder : deviceFolders)
        QVERIFY(!QFile::exists(root + QStringLiteral("places_settings/%1/subcategories.qml").arg(folder)));
    // Images the application is expected to ship are not in the library.
    QVERIFY(!QFile::exists(root + QStringLiteral("places_images/favorite.png")));
}

void tst_ResourceTree::pickerImageIsAPng()
{
    const QImage image = QImage::fromData(ResourceUtils::PlacePickerPngData(), "PNG");
    QVERIFY(!image.isNull());
}

QTEST_APPLESS_MAIN(tst_ResourceTree)
#include "tst_resourcetree.moc"
