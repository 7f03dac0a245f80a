#include <hx/platform/places/imageauxiliarydata.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/provider.h>
#include <hx/platform/places/reviewauxiliarydata.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/container.h>
#include <hx/trellan/fadetransition.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/mapdock.h>
#include <hx/trellan/places/ratingbar.h>
#include <hx/trellan/places/ratingdetails.h>
#include <hx/trellan/places/ratingitem.h>
#include <hx/trellan/places/ratingprovider.h>
#include <hx/trellan/places/ratingprovideractivityindicator.h>
#include <hx/trellan/places/ratingprovideractivityindicatorlabel.h>
#include <hx/trellan/places/ratingproviderutils.h>
#include <hx/trellan/places/ratingtitlebar.h>
#include <hx/trellan/places/reviewitem.h>
#include <hx/trellan/places/reviewscountlabel.h>
#include <hx/trellan/places/webimage.h>
#include <hx/trellan/places/webreview.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/webview.h>

#include <QtCore/QBuffer>
#include <QtCore/QDir>
#include <QtCore/QStandardPaths>
#include <QtGui/QImage>
#include <QtTest/QtTest>

#include <memory>

#include "httpfixture.h"
#include "storefixture.h"
#include "testroots.h"

using namespace hx::platform::places;
using namespace hx::trellan::places;
using hx::test::HttpFixture;
using hx::test::StoreFixture;
using hx::test::TestRoots;
using hx::trellan::Image;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

const QString Yelp = QStringLiteral("Yelp");

ReviewAuxiliaryData review(const QString &text, double rating, const QString &user, qint64 seconds)
{
    ReviewAuxiliaryData item;
    item.setProvider(Provider(Yelp));
    item.setAbstract(text);
    item.setRating(rating);
    item.setUserName(user);
    item.setCreationTime(seconds);
    return item;
}

PointOfInterestAuxiliaryData yelpPoi(double rating, int count)
{
    PointOfInterestAuxiliaryData poi;
    poi.setProvider(Provider(Yelp));
    poi.setName(QStringLiteral("Café Pyrus"));
    poi.setRating(rating);
    poi.setRatingCount(count);
    poi.setUrl(QUrl(QStringLiteral("http://127.0.0.1/biz/cafe-pyrus")));
    return poi;
}

// A stored point of interest with a rating, a picture and two reviews.
QSharedPointer<Place> storedCafe(bool withReviews = true)
{
    Place place = StoreFixture::makePlace(QStringLiteral("Café Pyrus"), 43.4643, -80.5204);
    place.addAuxiliaryData(yelpPoi(4.5, 12));
    ImageAuxiliaryData picture;
    picture.setProvider(Provider(Yelp));
    picture.setUrl(QUrl(QStringLiteral("http://127.0.0.1/cafe.png")));
    place.addAuxiliaryData(picture);
    if (withReviews) {
        place.addAuxiliaryData(review(QStringLiteral("Great coffee"), 5.0, QStringLiteral("Ana"), 1700000000));
        place.addAuxiliaryData(review(QString(), 3.5, QStringLiteral("Bo"), 1600000000));
    }
    PlaceManager manager;
    if (manager.addPlace(place) != Error::None)
        return QSharedPointer<Place>();
    return QSharedPointer<Place>(new Place(place));
}

QByteArray pngBytes()
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Warnings written so far, seen before the test's own handler filters the expected ones.
QStringList warnings;
QtMessageHandler previousHandler = nullptr;

void recordWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg)
        warnings.append(message);
    previousHandler(type, context, message);
}

} // namespace

class tst_Ratings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void starImage_data();
    void starImage();
    void replyTagsTellRatingFromReviews();
    void firstFailedReplyIsAnError();
    void ratingBarFadesInAndAsksForDetails();
    void reviewSheetListsReviewsOnce();
    void failedReviewRequestHidesTheActivity();
    void reviewSheetFollowsTheLanguage();
    void fullReviewsLinkOpensTheWebPage();
    void sheetsOpenedAgainDoNotPileUp_data();
    void sheetsOpenedAgainDoNotPileUp();
    void webImageLoadsOnceThenFromTheCache();
    void rowsShowWhatTheyHold_data();
    void rowsShowWhatTheyHold();
    void theThumbnailIsAsLargeAsTheStarsAreWide();
    void webImageRejectsBadInput_data();
    void webImageRejectsBadInput();

private:
    QTemporaryDir m_assets;
};

void tst_Ratings::initTestCase()
{
    // The star images and the logo come from the embedding application's assets.
    QVERIFY(m_assets.isValid());
    qputenv("HX_APP_ASSETS", QFile::encodeName(m_assets.path()));
    QDir assets(m_assets.path());
    QVERIFY(assets.mkpath(QStringLiteral("places_images")));
    const QStringList stars { "1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "5" };
    for (int i = 0; i < stars.size(); ++i) {
        QImage image(8, 2, QImage::Format_ARGB32);
        image.fill(qRgb(20 * i, 0, 0));
        QVERIFY(
            image.save(assets.filePath(QStringLiteral("places_images/stars_large@2x_%1star.png").arg(stars.at(i)))));
    }
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
}

void tst_Ratings::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    for (hx::trellan::Sheet *sheet : hx::trellan::Sheet::openSheets())
        sheet->close();
}

void tst_Ratings::starImage_data()
{
    QTest::addColumn<float>("rating");
    QTest::addColumn<QString>("provider");
    QTest::addColumn<int>("tenths"); // 0: no image

    QTest::newRow("four and a half") << 4.5f << Yelp << 45;
    QTest::newRow("4.55 truncates to four and a half") << 4.55f << Yelp << 45;
    QTest::newRow("4.49 truncates to 44: none") << 4.49f << Yelp << 0;
    QTest::newRow("one star") << 1.0f << Yelp << 10;
    QTest::newRow("five stars") << 5.0f << Yelp << 50;
    QTest::newRow("half a star is below the scale") << 0.5f << Yelp << 0;
    QTest::newRow("zero") << 0.0f << Yelp << 0;
    QTest::newRow("above five") << 5.5f << Yelp << 0;
    QTest::newRow("negative") << -4.5f << Yelp << 0;
    QTest::newRow("another provider") << 4.5f << "Other" << 0;
}

void tst_Ratings::starImage()
{
    QFETCH(float, rating);
    QFETCH(QString, provider);
    QFETCH(int, tenths);

    const Image expected = tenths == 45 ? ImageSet::YELP45()
        : tenths == 10                  ? ImageSet::YELP10()
        : tenths == 50                  ? ImageSet::YELP50()
                                        : Image();
    if (tenths == 0)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("ratingToImage\\(\\): ")));
    const Image image = RatingProviderUtils::ratingToImage(rating, provider);
    QCOMPARE(image.isNull(), tenths == 0);
    if (tenths)
        QVERIFY(image == expected);
}

void tst_Ratings::replyTagsTellRatingFromReviews()
{
    TestRoots roots;
    const QSharedPointer<Place> cafe = storedCafe();
    QVERIFY(cafe);
    RatingProvider provider;
    QSignalSpy search(&provider, &RatingProvider::searchResult);
    QSignalSpy business(&provider, &RatingProvider::businessResult);
    QSignalSpy imageUrl(&provider, &RatingProvider::imageUrlAvailable);

    provider.requestForRating(cafe);
    QVERIFY(search.wait());
    QCOMPARE(imageUrl.size(), 1);
    QCOMPARE(imageUrl.first().first().toUrl(), QUrl(QStringLiteral("http://127.0.0.1/cafe.png")));
    const auto all = search.first().first().value<QList<AuxiliaryData>>();
    QCOMPARE(RatingProviderUtils::getPointOfInterestAuxiliaryData(all, Yelp).ratingCount(), 12);
    QVERIFY(business.isEmpty());

    provider.requestForBusinessDetails(cafe);
    QVERIFY(business.wait());
    const auto reviews
        = RatingProviderUtils::getReviewAuxiliaryData(business.first().first().value<QList<AuxiliaryData>>());
    QCOMPARE(reviews.size(), 2);
    QCOMPARE(reviews.first().userName(), QStringLiteral("Ana"));
    QCOMPARE(business.first().first().value<QList<AuxiliaryData>>().size(), 2);
    QCOMPARE(search.size(), 1);
}

void tst_Ratings::firstFailedReplyIsAnError()
{
    RatingProvider provider;
    QSignalSpy error(&provider, &RatingProvider::error);
    QSignalSpy business(&provider, &RatingProvider::businessResult);
    const QList<AuxiliaryDataReply> replies {
        AuxiliaryDataReply(Error::NotFound, RatingProviderUtils::BUSINESS_REQUEST, {}, {}),
        AuxiliaryDataReply(Error::None, RatingProviderUtils::BUSINESS_REQUEST, {}, { review("ok", 4, "Ana", 0) }),
    };
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("onAuxiliaryDataAvailable\\(\\) error: ")));
    provider.onAuxiliaryDataAvailable(replies, QVariant(), true);
    QCOMPARE(error.size(), 1);
    QVERIFY(business.isEmpty());
}

void tst_Ratings::ratingBarFadesInAndAsksForDetails()
{
    RatingBar bar(yelpPoi(4.5, 12));
    QSignalSpy details(&bar, &RatingBar::showDetails);
    QVERIFY(bar.fadeIn()->isPlaying());
    QCOMPARE(bar.fadeIn()->duration(), 750);
    QCOMPARE(bar.opacity(), 0.0f);
    TestDriver::finishAnimations();
    QCOMPARE(bar.opacity(), 1.0f);
    const QString screen = ScreenText::render(&bar);
    QVERIFY2(screen.contains(QStringLiteral("(12)")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("stars_large@2x_4.5star.png")), qPrintable(screen));
    QVERIFY2(TestDriver::tap(&bar, QStringLiteral("RatingBar")), qPrintable(TestDriver::lastError()));
    QCOMPARE(details.size(), 1);
}

void tst_Ratings::reviewSheetListsReviewsOnce()
{
    TestRoots roots;
    const QSharedPointer<Place> cafe = storedCafe();
    RatingDetails details(cafe, yelpPoi(4.5, 12));
    details.open();
    QTRY_VERIFY(!ScreenText::render(&details).contains(QStringLiteral("Searching for Reviews on")));
    QString screen = ScreenText::render(&details);
    QVERIFY2(screen.contains(QStringLiteral("Latest reviews")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("\"Great coffee\"")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("(Ana, 14-11-2023)")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("(Bo, 13-09-2020)")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("(12 Reviews)")), qPrintable(screen));
    QCOMPARE(ScreenText::renderTree(&details).count(QStringLiteral("ReviewExcerpt")), 1);

    // A second opening must not ask again: its reply would add the reviews a second time.
    details.close();
    details.open();
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    QCOMPARE(ScreenText::renderTree(&details).count(QStringLiteral("ReviewData")), 2);
}

void tst_Ratings::failedReviewRequestHidesTheActivity()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("onAuxiliaryDataAvailable\\(\\) error: ")));
    RatingDetails details(QSharedPointer<Place>(), yelpPoi(4.5, 12));
    details.open();
    QTRY_VERIFY(!ScreenText::render(&details).contains(QStringLiteral("Searching for Reviews on")));
    const QString screen = ScreenText::render(&details);
    QVERIFY2(!screen.contains(QStringLiteral("Latest reviews")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("Read full reviews on:")), qPrintable(screen));
}

void tst_Ratings::reviewSheetFollowsTheLanguage()
{
    TestRoots roots;
    RatingDetails details(storedCafe(), yelpPoi(4.5, 12));
    details.open();
    // Shown while reviews load, which the sheet above is already past.
    RatingProviderActivityIndicatorLabel waiting;
    QTRY_VERIFY(ScreenText::render(&details).contains(QStringLiteral("Latest reviews")));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_COMPARE(waiting.text(), QStringLiteral("Recherche d'avis sur"));
    QTRY_VERIFY2(ScreenText::render(&details).contains(QStringLiteral("Derniers avis")),
                 qPrintable(ScreenText::render(&details)));
    const QString screen = ScreenText::render(&details);
    QVERIFY2(screen.contains(QStringLiteral("(12 avis)")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("Lire tous les avis sur :")), qPrintable(screen));
}

void tst_Ratings::fullReviewsLinkOpensTheWebPage()
{
    TestRoots roots;
    RatingDetails details(storedCafe(false), yelpPoi(4.5, 12));
    details.open();
    QVERIFY2(TestDriver::tap(&details, QStringLiteral("FullReviewsLink")), qPrintable(TestDriver::lastError()));
    auto *web = TestDriver::findOnScreen<WebReview>(&details, QStringLiteral("WebReview"));
    QVERIFY(web);
    QVERIFY(web->isOpened());
    QCOMPARE(web->webView()->url(), QUrl(QStringLiteral("http://127.0.0.1/biz/cafe-pyrus")));
    web->webView()->setUrl(QUrl(QStringLiteral("http://127.0.0.1/biz/cafe-pyrus/page2")));
    QVERIFY(TestDriver::triggerAction(web, QStringLiteral("BackAction")));
    QCOMPARE(web->webView()->url(), QUrl(QStringLiteral("http://127.0.0.1/biz/cafe-pyrus")));
    QVERIFY(web->isOpened());
    QVERIFY(TestDriver::triggerAction(web, QStringLiteral("BackAction")));
    QVERIFY(!web->isOpened());
}

void tst_Ratings::sheetsOpenedAgainDoNotPileUp_data()
{
    QTest::addColumn<QString>("tapped");

    QTest::newRow("the reviews from the card's rating bar") << "RatingBar";
    QTest::newRow("the full reviews page from the reviews") << "FullReviewsLink";
}

void tst_Ratings::sheetsOpenedAgainDoNotPileUp()
{
    QFETCH(QString, tapped);

    TestRoots roots;
    const QSharedPointer<Place> cafe = storedCafe(false);
    QVERIFY(cafe);
    // Found by a search rather than typed in: the card asks for its rating.
    cafe->setSource(AbstractPlace::SourceGeocodeService);
    hx::trellan::Container card;
    QObject *opener = nullptr;
    if (tapped == QLatin1String("RatingBar")) {
        auto *dock = new MapDock(cafe, true, PlaceViewMode::View, true);
        card.add(dock);
        QTRY_VERIFY(dock->ratingBar());
        TestDriver::finishAnimations();
        opener = dock;
    } else {
        auto *details = new RatingDetails(cafe, yelpPoi(4.5, 12), &card);
        details->open();
        opener = details;
    }
    for (int round = 1; round <= 3; ++round) {
        QVERIFY2(TestDriver::tap(&card, tapped), qPrintable(TestDriver::lastError()));
        const QList<hx::trellan::Sheet *> open = hx::trellan::Sheet::openSheets();
        QVERIFY(!open.isEmpty());
        QVERIFY2(TestDriver::triggerAction(open.last(), QStringLiteral("BackAction")),
                 qPrintable(TestDriver::lastError()));
        // One sheet at most is kept for the next tap.
        QTRY_COMPARE(opener->findChildren<RatingDetails *>().size() + opener->findChildren<WebReview *>().size(), 1);
    }
}

void tst_Ratings::webImageLoadsOnceThenFromTheCache()
{
    HttpFixture server;
    QVERIFY(server.isListening());
    server.serve(QStringLiteral("/cafe.png"), pngBytes(), "image/png");

    WebImage first;
    QSignalSpy loaded(&first, &WebImage::imageLoaded);
    first.setUrl(server.url(QStringLiteral("/cafe.png")));
    QVERIFY(loaded.wait());
    QCOMPARE(loaded.first().first().value<Image>().size(), QSize(4, 4));
    QCOMPARE(server.requestCount(), 1);

    WebImage second;
    QSignalSpy again(&second, &WebImage::imageLoaded);
    second.setUrl(server.url(QStringLiteral("/cafe.png")));
    QVERIFY(again.wait());
    QCOMPARE(again.first().first().value<Image>().size(), QSize(4, 4));
    QCOMPARE(server.requestCount(), 1);
}

// What the parts of the review sheet show, and what they leave out.
void tst_Ratings::rowsShowWhatTheyHold_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("rating");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("review with text") << "review"
                                      << "Great coffee" << 4.0 << 0
                                      << QStringList { "\"Great coffee\"", "(Ana, 14-11-2023)", "RatingStars" }
                                      << QStringList();
    QTest::newRow("review without text") << "review"
                                         << "" << 4.0 << 0 << QStringList { "(Ana, 14-11-2023)" }
                                         << QStringList { "ReviewExcerpt" };
    QTest::newRow("rated row with a count")
        << "rating"
        << "" << 4.5 << 12 << QStringList { "RatingStars", "(12)" } << QStringList();
    QTest::newRow("unrated row without a count")
        << "rating"
        << "" << -1.0 << 0 << QStringList() << QStringList { "RatingStars", "RatingCount" };
    QTest::newRow("review count") << "count"
                                  << "" << 0.0 << 7 << QStringList { "(7 Reviews)" } << QStringList();
    QTest::newRow("sheet title before its thumbnail")
        << "title"
        << "Café Pyrus" << 4.5 << 12 << QStringList { "Café Pyrus", "RatingStars" } << QStringList { "Thumbnail" };
    QTest::newRow("waiting for reviews") << "waiting"
                                         << "" << 0.0 << 0 << QStringList { "Searching for Reviews on", "ProviderLogo" }
                                         << QStringList();
}

void tst_Ratings::rowsShowWhatTheyHold()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(double, rating);
    QFETCH(int, count);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, absent);

    std::unique_ptr<QObject> row;
    if (control == QLatin1String("review")) {
        row.reset(new ReviewItem(review(text, rating, QStringLiteral("Ana"), 1700000000)));
    } else if (control == QLatin1String("rating")) {
        auto *item = new RatingItem;
        item->update(RatingInfo(rating, count));
        row.reset(item);
    } else if (control == QLatin1String("title")) {
        auto *bar = new RatingTitleBar;
        bar->showContent(text, yelpPoi(rating, count));
        row.reset(bar);
    } else if (control == QLatin1String("waiting")) {
        row.reset(new RatingProviderActivityIndicator);
    } else {
        row.reset(new ReviewsCountLabel(count));
    }
    const QString screen = ScreenText::renderTree(row.get());
    for (const QString &expected : qAsConst(shown))
        QVERIFY2(screen.contains(expected), qPrintable(expected + QStringLiteral(" missing from:\n") + screen));
    for (const QString &unexpected : qAsConst(absent))
        QVERIFY2(!screen.contains(unexpected), qPrintable(unexpected + QStringLiteral(" shown in:\n") + screen));
}

void tst_Ratings::theThumbnailIsAsLargeAsTheStarsAreWide()
{
    RatingTitleBar bar;
    bar.showContent(QStringLiteral("Café Pyrus"), yelpPoi(4.5, 12));
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    hx::trellan::Image image(picture);
    bar.showThumbnail(image);
    const auto *thumbnail = TestDriver::find<hx::trellan::ImageView>(&bar, QStringLiteral("Thumbnail"));
    const auto *stars = TestDriver::find<hx::trellan::ImageView>(&bar, QStringLiteral("RatingStars"));
    QVERIFY(thumbnail && stars);
    QVERIFY2(ScreenText::renderTree(&bar).contains(QLatin1String("Thumbnail")),
             qPrintable(ScreenText::renderTree(&bar)));
    // Both sizes are the same kind of unit: the square picture spans about the stars' width.
    const float ratio = thumbnail->minWidth() / stars->preferredWidth();
    QVERIFY2(ratio > 0.5f && ratio < 2.0f, qPrintable(QString::number(ratio)));
    QCOMPARE(thumbnail->minHeight(), thumbnail->minWidth());
}

void tst_Ratings::webImageRejectsBadInput_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("url"); // used when path is empty
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("handedOnEmpty");

    QTest::newRow("missing image") << "/missing.png"
                                   << ""
                                   << "onImageLoaded\\(\\) error: \\d+" << false;
    QTest::newRow("not an image") << "/text.png"
                                  << ""
                                  << "onImageLoaded\\(\\) error: not an image" << true;
    QTest::newRow("ftp scheme") << ""
                                << "ftp://127.0.0.1/cafe.png"
                                << "unsupported scheme = ftp" << false;
}

void tst_Ratings::webImageRejectsBadInput()
{
    QFETCH(QString, path);
    QFETCH(QString, url);
    QFETCH(QString, warning);
    QFETCH(bool, handedOnEmpty);

    HttpFixture server;
    server.serve(QStringLiteral("/text.png"), "hello, not a picture", "image/png");
    WebImage image;
    QSignalSpy loaded(&image, &WebImage::imageLoaded);
    warnings.clear();
    previousHandler = qInstallMessageHandler(recordWarning);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    image.setUrl(path.isEmpty() ? QUrl(url) : server.url(path));
    QTRY_COMPARE(warnings.size(), 1);
    qInstallMessageHandler(previousHandler);
    QCoreApplication::processEvents();
    QCOMPARE(loaded.size(), handedOnEmpty ? 1 : 0);
    if (handedOnEmpty)
        QVERIFY(loaded.first().first().value<Image>().isNull());
}

QTEST_MAIN(tst_Ratings)
#include "tst_ratings.moc"
