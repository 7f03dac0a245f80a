#include <hx/platform/places/gazetteer.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/reviewauxiliarydata.h>
#include <hx/trellan/places/ratingprovider.h>
#include <hx/trellan/places/ratingproviderutils.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>
#include <QtCore/QUrl>
#include <QtGui/QImage>
#include <QtTest/QtTest>

#include "testroots.h"

using hx::platform::places::Gazetteer;
using hx::platform::places::GazetteerEntry;
using hx::platform::places::GazetteerReview;
using namespace hx::platform::places;
using namespace hx::trellan::places;

namespace {
struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runProgram(const char *program, const QStringList &arguments)
{
    QProcess process;
    process.start(QString::fromUtf8(program), arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Two cafés of one name at either end of town, and a bakery.
const char PlacesCsv[] = "name,lat,lon,city,category,importance,rating,rating_count\n"
                         "Corner Cafe,43.4651,-80.5227,Waterloo,AEE,10,4.5,3\n"
                         "Corner Cafe,43.4253,-80.5112,Kitchener,AEE,20,3,1\n"
                         "Grand River Bakery,43.4633,-80.5189,Waterloo,AKJ,5,4,2\n";

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

qint64 idOf(const Gazetteer &gazetteer, const QString &name, const QString &city)
{
    for (const GazetteerEntry &entry :
         gazetteer.search(name, GazetteerEntry::PointOfInterest, qQNaN(), qQNaN(), 0, 10)) {
        if (entry.city == city)
            return entry.id;
    }
    return -1;
}

QStringList authorsOf(const QList<GazetteerReview> &reviews)
{
    QStringList authors;
    for (const GazetteerReview &review : reviews)
        authors.append(review.author);
    return authors;
}
} // namespace

class tst_ImportReviews : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aReviewLineIsStoredOrSkippedWithItsReason_data();
    void aReviewLineIsStoredOrSkippedWithItsReason();
    void reviewsFollowTheirPlaceWhenTheFileIsWrittenAgain();
    void theReviewSheetListsStoredReviewsNewestFirst();
    void thePlacesPictureIsItsNewestReviewsImage();

private:
    QString path(const char *name) const { return m_roots->path() + QLatin1Char('/') + QLatin1String(name); }
    // Imports the places and then the reviews file holding lines into the test's gazetteer.
    Run import(const QByteArray &lines, const QStringList &more = {});
    // Picks the place with hxplaces, which stores it, and returns its id; -1 when that fails.
    qint64 pickAndStore(const QString &typed);

    QScopedPointer<hx::test::TestRoots> m_roots;
};

void tst_ImportReviews::init()
{
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
    QVERIFY(writeFile(path("places.csv"), PlacesCsv));
}

void tst_ImportReviews::cleanup()
{
    m_roots.reset();
}

Run tst_ImportReviews::import(const QByteArray &lines, const QStringList &more)
{
    if (!writeFile(path("reviews.jsonl"), lines))
        return Run();
    return runProgram(HX_PLACES_IMPORT,
                      QStringList { "--replace", "-o", m_roots->gazetteerPath(), path("places.csv"), "--reviews",
                                    path("reviews.jsonl") }
                          + more);
}

qint64 tst_ImportReviews::pickAndStore(const QString &typed)
{
    const Run pick = runProgram(HX_HXPLACES,
                                { "pick", "--type", typed, "--choose", "1", "--store", m_roots->storePath(),
                                  "--gazetteer", m_roots->gazetteerPath() });
    const QJsonObject selected
        = QJsonDocument::fromJson(pick.out.toUtf8()).object().value(QStringLiteral("selected_place")).toObject();
    return pick.exitCode == 0 ? selected.value(QStringLiteral("id")).toVariant().toLongLong() : -1;
}

void tst_ImportReviews::aReviewLineIsStoredOrSkippedWithItsReason_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("message"); // the reason on standard error; empty when the line is stored
    QTest::addColumn<QString>("city"); // of the Corner Cafe that holds the review
    QTest::addColumn<qint64>("created");
    QTest::addColumn<QString>("image"); // as stored; "@" stands for the test's folder

    const QByteArray good = R"("author": "Ana", "rating": 4.5, "text": "Good coffee", "date": "2026-03-14")";
    const auto row = [&](const char *name, const QByteArray &fields, const char *message, const char *city,
                         qint64 created, const char *image) {
        QTest::newRow(name) << QByteArray("{\"place\": \"Corner Cafe\", " + fields + "}\n") << QString(message)
                            << QString(city) << created << QString(image);
    };
    // Without a position the most important of the name; with one, the nearest.
    row("a good line", good, "", "Kitchener", 1773446400, "");
    row("a position picks the nearest of the name", good + R"(, "lat": 43.465, "lon": -80.523)", "", "Waterloo",
        1773446400, "");
    row("a date with a time and zone",
        R"("author": "Ana", "rating": 4, "text": "Fine", "date": "2026-03-14T10:00:00+02:00")", "", "Kitchener",
        1773475200, "");
    row("an http image", good + R"(, "image": "https://img.example/cafe.jpg")", "", "Kitchener", 1773446400,
        "https://img.example/cafe.jpg");
    row("a relative file image is taken beside the reviews file", good + R"(, "image": "file:pictures/cafe.png")", "",
        "Kitchener", 1773446400, "file://@/pictures/cafe.png");
    row("a rating above five", R"("author": "Ana", "rating": 5.5, "text": "Wow", "date": "2026-03-14")",
        "rating out of range (1 to 5)", "", 0, "");
    row("a rating of none of five stars", R"("author": "Ana", "rating": 0, "text": "Bad", "date": "2026-03-14")",
        "rating out of range (1 to 5)", "", 0, "");
    row("a file image that climbs out of the folder", good + R"(, "image": "file:../../../../etc/passwd")",
        "an image file outside the reviews file's folder: file:../../../../etc/passwd", "", 0, "");
    row("a file image elsewhere on the disk", good + R"(, "image": "file:///etc/shadow")",
        "an image file outside the reviews file's folder: file:///etc/shadow", "", 0, "");
    row("a page that runs a script", good + R"x(, "url": "javascript:alert(1)")x",
        "a review page that is not an http(s) address: javascript:alert(1)", "", 0, "");
    row("a latitude off the globe", good + R"(, "lat": 999, "lon": -80.5)", "latitude out of range", "", 0, "");
    row("a longitude off the globe", good + R"(, "lat": 43.4, "lon": 999)", "longitude out of range", "", 0, "");
    row("no rating", R"("author": "Ana", "text": "Hm", "date": "2026-03-14")", "no rating", "", 0, "");
    row("an empty text", R"("author": "Ana", "rating": 3, "text": "   ", "date": "2026-03-14")",
        "a review without text", "", 0, "");
    row("an ftp image", good + R"(, "image": "ftp://img.example/cafe.png")",
        "an image URL that is neither http(s) nor file: ftp://img.example/cafe.png", "", 0, "");
    row("a data image", good + R"(, "image": "data:image/png;base64,AAAA")",
        "an image URL that is neither http(s) nor file: data:image/png;base64,AAAA", "", 0, "");
    row("a date that is not one", R"("author": "Ana", "rating": 3, "text": "Hm", "date": "yesterday")",
        "no date, or not an ISO 8601 date or seconds since 1970", "", 0, "");
    // Seconds since 1970 never go below zero, whichever way the date is written.
    row("a date before 1970", R"("author": "Ana", "rating": 3, "text": "Old", "date": "1013-01-01T10:00:00+02:00")",
        "no date, or not an ISO 8601 date or seconds since 1970", "", 0, "");
    row("negative seconds", R"("author": "Ana", "rating": 3, "text": "Old", "date": -1)",
        "no date, or not an ISO 8601 date or seconds since 1970", "", 0, "");
    row("seconds past any calendar", R"("author": "Ana", "rating": 3, "text": "Far", "date": 1.7e114)",
        "no date, or not an ISO 8601 date or seconds since 1970", "", 0, "");
    QTest::newRow("no such place") << QByteArray("{\"place\": \"Nowhere Diner\", " + good + "}\n")
                                   << QStringLiteral("no point of interest named \"Nowhere Diner\"") << QString()
                                   << qint64(0) << QString();
    QTest::newRow("not JSON") << QByteArray("{\"place\": \"Corner Cafe\",\n")
                              << QStringLiteral("not JSON: unterminated object") << QString() << qint64(0) << QString();
}

void tst_ImportReviews::aReviewLineIsStoredOrSkippedWithItsReason()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, message);
    QFETCH(QString, city);
    QFETCH(qint64, created);
    QFETCH(QString, image);

    const Run run = import(line);
    QCOMPARE(run.exitCode, 0);
    const QString reported
        = message.isEmpty() ? QString() : QStringLiteral("reviews.jsonl:1: review skipped: ") + message;
    QVERIFY2(message.isEmpty() ? !run.err.contains(QStringLiteral("skipped")) : run.err.contains(reported),
             qPrintable(run.err));
    QVERIFY2(run.out.contains(message.isEmpty() ? QStringLiteral("1 reviews added, 0 skipped")
                                                : QStringLiteral("0 reviews added, 1 skipped")),
             qPrintable(run.out));

    // A skipped line leaves nothing behind, on either café.
    const Gazetteer gazetteer(m_roots->gazetteerPath());
    QVERIFY2(gazetteer.isOpen(), qPrintable(gazetteer.errorString()));
    const qint64 waterloo = idOf(gazetteer, QStringLiteral("Corner Cafe"), QStringLiteral("Waterloo"));
    const qint64 kitchener = idOf(gazetteer, QStringLiteral("Corner Cafe"), QStringLiteral("Kitchener"));
    QVERIFY(waterloo > 0 && kitchener > 0);
    const QList<GazetteerReview> inWaterloo = gazetteer.reviews(waterloo);
    const QList<GazetteerReview> inKitchener = gazetteer.reviews(kitchener);
    QCOMPARE(inWaterloo.size() + inKitchener.size(), message.isEmpty() ? 1 : 0);
    if (!message.isEmpty())
        return;
    const GazetteerReview review = city == QLatin1String("Waterloo") ? inWaterloo.value(0) : inKitchener.value(0);
    QCOMPARE(review.author, QStringLiteral("Ana"));
    QCOMPARE(review.created, created);
    const QString folder = QUrl::fromLocalFile(m_roots->path()).path();
    QCOMPARE(review.imageUrl, QString(image).replace(QLatin1Char('@'), folder));
}

void tst_ImportReviews::reviewsFollowTheirPlaceWhenTheFileIsWrittenAgain()
{
    const QByteArray lines
        = R"({"place": "Grand River Bakery", "author": "Old", "rating": 4, "text": "a", "date": "2025-01-01"}
{"place": "Grand River Bakery", "author": "Newest", "rating": 5, "text": "b", "date": "2026-05-01"}
{"place": "Grand River Bakery", "author": "Middle", "rating": 3, "text": "c", "date": "2025-09-01"}
)";
    QCOMPARE(import(lines).exitCode, 0);
    {
        const Gazetteer gazetteer(m_roots->gazetteerPath());
        QCOMPARE(authorsOf(gazetteer.reviews(idOf(gazetteer, "Grand River Bakery", "Waterloo"))),
                 (QStringList { "Newest", "Middle", "Old" }));
    }

    // A more important place added to the kept file renumbers every entry; the reviews stay
    // with the bakery, and a review added now joins them.
    QVERIFY(writeFile(path("more.csv"), "name,lat,lon,importance\nUniversity Plaza,43.47,-80.53,1000\n"));
    QVERIFY(
        writeFile(path("late.jsonl"),
                  R"({"place": "grand river bakery", "author": "Late", "rating": 2, "text": "d", "date": "2025-03-01"})"
                  "\n"));
    const Run kept = runProgram(HX_PLACES_IMPORT,
                                { "-o", m_roots->gazetteerPath(), path("more.csv"), "--reviews", path("late.jsonl") });
    QCOMPARE(kept.exitCode, 0);
    const Gazetteer gazetteer(m_roots->gazetteerPath());
    const qint64 bakery = idOf(gazetteer, "Grand River Bakery", "Waterloo");
    QCOMPARE(authorsOf(gazetteer.reviews(bakery)), (QStringList { "Newest", "Middle", "Late", "Old" }));
    for (const char *city : { "Waterloo", "Kitchener" })
        QVERIFY(gazetteer.reviews(idOf(gazetteer, "Corner Cafe", city)).isEmpty());
}

void tst_ImportReviews::theReviewSheetListsStoredReviewsNewestFirst()
{
    const QByteArray lines
        = R"({"place": "Grand River Bakery", "author": "Bo", "rating": 3.5, "text": "Older one", "date": "2025-02-03", "url": "https://reviews.example/bo"}
{"place": "Grand River Bakery", "author": "Ana", "rating": 5, "text": "Newest one", "date": "2026-11-28", "image": "file:bakery.png"}
{"place": "Grand River Bakery", "author": "Cy", "rating": 4, "text": "Middle one", "date": "2026-01-15"}
)";
    QCOMPARE(import(lines).exitCode, 0);
    const qint64 stored = pickAndStore(QStringLiteral("grand river bak"));
    QVERIFY(stored > 0);
    const QString id = QString::number(stored);
    const QStringList data { "--store", m_roots->storePath(), "--gazetteer", m_roots->gazetteerPath() };
    const Run shown = runProgram(HX_HXPLACES, QStringList { "show", "reviews", id, "--dump" } + data);
    QCOMPARE(shown.exitCode, 0);
    const QRegularExpression reviewData(QStringLiteral("ReviewData\": \\((\\w+), "));
    QStringList authors;
    for (auto match = reviewData.globalMatch(shown.out); match.hasNext();)
        authors.append(match.next().captured(1));
    QVERIFY2(authors == (QStringList { "Ana", "Cy", "Bo" }), qPrintable(shown.out));
    QVERIFY2(shown.out.contains(QStringLiteral("RatingTitle\": Grand River Bakery")), qPrintable(shown.out));
    QVERIFY2(shown.out.contains(QStringLiteral("\"Newest one\"")), qPrintable(shown.out));
    QVERIFY2(shown.out.contains(QStringLiteral("stars_large@2x_3.5star.png")), qPrintable(shown.out));
    // The count is of the reviews listed, though the places file said two.
    QVERIFY2(shown.out.contains(QStringLiteral("(3 Reviews)")), qPrintable(shown.out));

    const QString picture = path("reviews.png");
    const Run drawn = runProgram(HX_HXPLACES, QStringList { "show", "reviews", id, "--png", picture } + data);
    QCOMPARE(drawn.exitCode, 0);
    QVERIFY(!QImage(picture).isNull());
    // The star images the library asks the application for come from the default set.
    QVERIFY2(!drawn.err.contains(QStringLiteral("no image for")), qPrintable(drawn.err));
}

void tst_ImportReviews::thePlacesPictureIsItsNewestReviewsImage()
{
    const QByteArray lines
        = R"({"place": "Grand River Bakery", "author": "Old", "rating": 4, "text": "a", "date": "2025-01-01", "image": "https://img.example/old.jpg"}
{"place": "Grand River Bakery", "author": "Newest", "rating": 5, "text": "b", "date": "2026-05-01", "url": "https://reviews.example/newest"}
{"place": "Grand River Bakery", "author": "Middle", "rating": 3, "text": "c", "date": "2025-09-01", "image": "https://img.example/middle.jpg"}
)";
    QCOMPARE(import(lines).exitCode, 0);
    const qint64 id = pickAndStore(QStringLiteral("grand river bak"));
    QVERIFY(id > 0);
    Error::Type error = Error::None;
    const QSharedPointer<Place> bakery(PlaceManager().getPlace(id, error));
    QVERIFY(bakery);

    RatingProvider provider;
    QSignalSpy imageUrl(&provider, &RatingProvider::imageUrlAvailable);
    QSignalSpy search(&provider, &RatingProvider::searchResult);
    provider.requestForRating(bakery);
    QVERIFY(search.wait());
    QCOMPARE(imageUrl.size(), 1);
    QCOMPARE(imageUrl.first().first().toUrl(), QUrl(QStringLiteral("https://img.example/middle.jpg")));

    // The sheet's own request: the reviews alone, newest first, each with its page and picture.
    QSignalSpy business(&provider, &RatingProvider::businessResult);
    provider.requestForBusinessDetails(bakery);
    QVERIFY(business.wait());
    const QList<AuxiliaryData> data = business.first().first().value<QList<AuxiliaryData>>();
    const QList<ReviewAuxiliaryData> reviews = RatingProviderUtils::getReviewAuxiliaryData(data);
    QCOMPARE(reviews.size(), data.size());
    QStringList authors;
    for (const ReviewAuxiliaryData &review : reviews)
        authors.append(review.userName());
    QCOMPARE(authors, (QStringList { "Newest", "Middle", "Old" }));
    QCOMPARE(reviews.first().url(), QUrl(QStringLiteral("https://reviews.example/newest")));
    QCOMPARE(reviews.first().provider().name(), RatingProviderUtils::YELP_PROVIDER_NAME);
    QCOMPARE(reviews.at(2).property(QStringLiteral("imageUrl")).toString(),
             QStringLiteral("https://img.example/old.jpg"));
}

QTEST_MAIN(tst_ImportReviews)
#include "tst_importreviews.moc"
