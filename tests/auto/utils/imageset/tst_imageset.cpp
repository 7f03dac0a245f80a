#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtTest/QtTest>

#include <thread>
#include <vector>

#include <hx/trellan/image.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/imageutils.h>
#include <hx/trellan/places/placeutils.h>

using hx::trellan::Image;
using hx::trellan::places::ImageSet;
using hx::trellan::places::ImageUtils;
using hx::trellan::places::PlaceUtils;

namespace {

// Writes a small PNG of one colour into the application's asset folder.
bool writeAppImage(const QDir &assets, const QString &name, QRgb colour, int side = 4)
{
    if (!assets.mkpath(QStringLiteral("places_images")))
        return false;
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    return image.save(assets.filePath(QStringLiteral("places_images/") + name), "PNG");
}

QRgb firstPixel(const Image &image)
{
    return image.toQImage().convertToFormat(QImage::Format_ARGB32).pixel(0, 0);
}

} // namespace

class tst_ImageSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void libraryImagesLoad();
    void applicationSuppliesWhatTheLibraryLacks();
    void libraryImageWinsOverTheApplications();
    void defaultSetSuppliesWhatTheApplicationLacks();
    void missingImageIsNotRetriedUntilClean();
    void slotsSharingNoFileAreDistinct();
    void emptyNameGivesEmptyImage();
    void concurrentFirstAccess();
    void bytesToImage_data();
    void bytesToImage();

private:
    QTemporaryDir m_assets;
    QTemporaryDir m_defaults;
    QByteArray m_savedAssets;
};

void tst_ImageSet::initTestCase()
{
    QVERIFY(m_assets.isValid());
    m_savedAssets = qgetenv("HX_APP_ASSETS");
    qputenv("HX_APP_ASSETS", QFile::encodeName(m_assets.path()));
    QVERIFY(m_defaults.isValid());
    qputenv("HX_DEFAULT_ASSETS", QFile::encodeName(m_defaults.path()));
    PlaceUtils::init();
}

void tst_ImageSet::init()
{
    ImageSet::clean();
    QDir(m_assets.path() + QStringLiteral("/places_images")).removeRecursively();
    QDir(m_defaults.path() + QStringLiteral("/places_images")).removeRecursively();
}

void tst_ImageSet::cleanupTestCase()
{
    ImageSet::clean();
    qputenv("HX_APP_ASSETS", m_savedAssets);
    qunsetenv("HX_DEFAULT_ASSETS");
}

void tst_ImageSet::libraryImagesLoad()
{
    Image (*const accessors[])() = { ImageSet::EMPTY_MAP,        ImageSet::LIST_ITEM_CORNER_FAVORITE,
                                     ImageSet::COLLAPSE_CONTENT, ImageSet::EXPAND_CONTENT,
                                     ImageSet::MYPLACES,         ImageSet::MYPLACESPRESSED,
                                     ImageSet::ACTIONMAP,        ImageSet::ADDCONTACT,
                                     ImageSet::ADDPLACE,         ImageSet::MOREDETAILS,
                                     ImageSet::OPENTABLE };
    for (Image (*const accessor)() : accessors) {
        const Image image = accessor();
        QVERIFY(!image.isNull());
        QCOMPARE(image.source().scheme(), QStringLiteral("asset"));
        QCOMPARE(image.source().host(), QStringLiteral("hx.trellan.places"));
        // Asked again, the cached image comes back.
        QVERIFY(accessor() == image);
    }
}

void tst_ImageSet::applicationSuppliesWhatTheLibraryLacks()
{
    QVERIFY(writeAppImage(QDir(m_assets.path()), QStringLiteral("favorite.png"), qRgb(255, 0, 0)));
    const Image favorite = ImageSet::FAVORITE();
    QVERIFY(!favorite.isNull());
    QCOMPARE(favorite.source(), QUrl(QStringLiteral("asset:///places_images/favorite.png")));
    QCOMPARE(firstPixel(favorite), qRgb(255, 0, 0));
}

void tst_ImageSet::libraryImageWinsOverTheApplications()
{
    QVERIFY(writeAppImage(QDir(m_assets.path()), QStringLiteral("cc_up.png"), qRgb(0, 255, 0)));
    const Image collapse = ImageSet::COLLAPSE_CONTENT();
    QVERIFY(!collapse.isNull());
    QCOMPARE(collapse.source(), QUrl(QStringLiteral("asset://hx.trellan.places/places_images/cc_up.png")));
    QVERIFY(collapse.size() != QSize(4, 4));
}

void tst_ImageSet::defaultSetSuppliesWhatTheApplicationLacks()
{
    const QDir defaults(m_defaults.path());
    QVERIFY(writeAppImage(defaults, QStringLiteral("ic_home.png"), qRgb(255, 0, 0)));
    QVERIFY(writeAppImage(defaults, QStringLiteral("favorite.png"), qRgb(255, 0, 0)));
    QVERIFY(writeAppImage(QDir(m_assets.path()), QStringLiteral("favorite.png"), qRgb(0, 0, 255)));
    // The application's own file wins; the default set fills in under the same asset name.
    QCOMPARE(firstPixel(ImageSet::FAVORITE()), qRgb(0, 0, 255));
    const Image home = ImageSet::MY_HOME();
    QCOMPARE(firstPixel(home), qRgb(255, 0, 0));
    QCOMPARE(home.source(), QUrl(QStringLiteral("asset:///places_images/ic_home.png")));
}

void tst_ImageSet::missingImageIsNotRetriedUntilClean()
{
    QVERIFY(ImageSet::MY_HOME().isNull());
    // The slot keeps its unloaded image even once the file exists.
    QVERIFY(writeAppImage(QDir(m_assets.path()), QStringLiteral("ic_home.png"), qRgb(0, 0, 255)));
    QVERIFY(ImageSet::MY_HOME().isNull());
    ImageSet::clean();
    QVERIFY(!ImageSet::MY_HOME().isNull());
}

void tst_ImageSet::slotsSharingNoFileAreDistinct()
{
    const QDir assets(m_assets.path());
    QVERIFY(writeAppImage(assets, QStringLiteral("ic_contact_border.png"), qRgb(10, 20, 30)));
    QVERIFY(writeAppImage(assets, QStringLiteral("ic_contact_mobile_phone.png"), qRgb(40, 50, 60)));
    QVERIFY(writeAppImage(assets, QStringLiteral("ic_poi.png"), qRgb(70, 80, 90)));
    // Whichever is asked first, each slot has its own file.
    QCOMPARE(firstPixel(ImageSet::CONTACT_MOBILE_PHONE()), qRgb(40, 50, 60));
    QCOMPARE(firstPixel(ImageSet::CONTACT_NO_PHOTO()), qRgb(10, 20, 30));
    ImageSet::clean();
    QCOMPARE(firstPixel(ImageSet::CONTACT_NO_PHOTO()), qRgb(10, 20, 30));
    QCOMPARE(firstPixel(ImageSet::CONTACT_MOBILE_PHONE()), qRgb(40, 50, 60));
    // Three slots load the same file.
    QVERIFY(ImageSet::MAP() == ImageSet::POI());
    QVERIFY(ImageSet::GEOCODED() == ImageSet::POI());
}

void tst_ImageSet::emptyNameGivesEmptyImage()
{
    QVERIFY(ImageSet::NONE().isNull());
    QAtomicPointer<ImageSet> slot;
    ImageSet::checkAndInitialize(slot, QString());
    QVERIFY(slot.loadAcquire());
    QVERIFY(!slot.loadAcquire()->loaded());
    QCOMPARE(slot.loadAcquire()->source(), QString());
    delete slot.fetchAndStoreOrdered(nullptr);
}

void tst_ImageSet::concurrentFirstAccess()
{
    // Many threads race for the same empty slots; every one sees the same image.
    QAtomicPointer<ImageSet> slot;
    // Plain threads, each writing its own slot of the answers: the race is on the image slot only.
    std::vector<const ImageSet *> seen(64, nullptr);
    std::vector<std::thread> threads;
    for (int i = 0; i < 64; ++i) {
        threads.emplace_back([&slot, &seen, i] {
            ImageSet::checkAndInitialize(slot, QStringLiteral("cc_down.png"));
            if (i % 2 == 0)
                (void)ImageSet::EXPAND_CONTENT();
            seen[size_t(i)] = slot.loadAcquire();
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (const ImageSet *set : seen)
        QCOMPARE(set, slot.loadAcquire());
    QVERIFY(slot.loadAcquire()->loaded());
    QVERIFY(slot.loadAcquire()->image() == ImageSet::EXPAND_CONTENT());
    delete slot.fetchAndStoreOrdered(nullptr);
}

void tst_ImageSet::bytesToImage_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("half transparent green is premultiplied") << qRgba(0, 200, 0, 128);
    QTest::newRow("fully transparent") << qRgba(0, 0, 0, 0);
}

void tst_ImageSet::bytesToImage()
{
    QFETCH(QRgb, colour);
    QImage source(3, 2, QImage::Format_ARGB32);
    source.fill(colour);
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(source.save(&buffer, "PNG"));

    const Image image = ImageUtils::fromBytesToImage(png);
    QCOMPARE(image.size(), QSize(3, 2));
    const QImage back = image.toQImage();
    QCOMPARE(back.format(), QImage::Format_RGBA8888_Premultiplied);
    // Bytes in memory are red, green, blue, alpha, premultiplied.
    const uchar *bytes = back.constBits();
    const int alpha = qAlpha(colour);
    QCOMPARE(int(bytes[3]), alpha);
    QVERIFY(qAbs(int(bytes[0]) - qRed(colour) * alpha / 255) <= 1);
    QVERIFY(qAbs(int(bytes[1]) - qGreen(colour) * alpha / 255) <= 1);
    QVERIFY(qAbs(int(bytes[2]) - qBlue(colour) * alpha / 255) <= 1);

    QVERIFY(ImageUtils::fromBytesToImage(QByteArray("not a png")).isNull());
    QVERIFY(ImageUtils::fromBytesToImage(png.left(png.size() / 2)).isNull());
    QVERIFY(ImageUtils::fromQImageToImage(QImage()).isNull());
}

QTEST_MAIN(tst_ImageSet)
#include "tst_imageset.moc"
