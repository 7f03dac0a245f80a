#include <hx/trellan/places/cardsutils.h>
#include <hx/trellan/places/placecardreturnmessage.h>

#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/utilities.h>
#include <hx/system/invokemanager.h>

#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QTemporaryDir>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using namespace hx::system;
using namespace hx::test;
using namespace hx::trellan::places;

namespace {

const int ANSWER_MS = 30000;

QSharedPointer<Place> cafe(bool stored)
{
    if (stored)
        return QSharedPointer<Place>(
            new Place(StoreFixture::addRecent(QStringLiteral("Café Pyrus"), 43.4643, -80.5204)));
    return QSharedPointer<Place>(new Place(StoreFixture::makePlace(
        QStringLiteral("Café Pyrus"), 43.4643, -80.5204, QStringLiteral("1 King St"), QStringLiteral("Waterloo"))));
}

// The stored places by name, with their favourite state.
QStringList storedPlaces()
{
    Error::Type error = Error::None;
    SearchHandle handle;
    QStringList names;
    for (AbstractPlace *place :
         PlaceManager().findPlaces(QString(), error, handle, SortRule(), 0, 100, false, Coordinates())) {
        names << place->name() + (place->isFavorite() ? QStringLiteral(" (favourite)") : QString());
        delete place;
    }
    return names;
}

qint64 storedIdOf(const QString &name)
{
    Error::Type error = Error::None;
    SearchHandle handle;
    qint64 id = -1;
    for (AbstractPlace *place :
         PlaceManager().findPlaces(name, error, handle, SortRule(), 0, 100, false, Coordinates())) {
        if (place->name() == name)
            id = place->id();
        delete place;
    }
    return id;
}

} // namespace

class tst_PlacePreviewCard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void previewerAnswersWhatHappened_data();
    void previewerAnswersWhatHappened();
    void universalSearchPreviewOfAPlaceId_data();
    void universalSearchPreviewOfAPlaceId();
    void sharedPlaceUrlOpensTheSharePreview_data();
    void sharedPlaceUrlOpensTheSharePreview();
    void addFavouriteComposer_data();
    void addFavouriteComposer();
    void invocationWithNothingToShowAnswersAtOnce_data();
    void invocationWithNothingToShowAnswersAtOnce();

private:
    PlaceCardReturnMessage runCard(const InvokeRequest &request, const QString &steps);

    QScopedPointer<TestRoots> m_roots;
    QScopedPointer<QTemporaryDir> m_registry;
};

void tst_PlacePreviewCard::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    m_registry.reset(new QTemporaryDir);
    QVERIFY(m_registry->isValid());
    qputenv("HX_CARD_REGISTRY", QFile::encodeName(m_registry->path()));
    QFile entry(QDir(m_registry->path()).filePath(QStringLiteral("placepreviewcard.json")));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write(QJsonDocument(QJsonObject { { "target", CardsUtils::PLACEPREVIEWER_TARGET_NAME },
                                            { "program", HX_PREVIEWCARD_PATH } })
                    .toJson());
    InvokeManager::setDefaultCardTimeout(ANSWER_MS);
}

void tst_PlacePreviewCard::cleanup()
{
    qunsetenv("HX_CARD_REGISTRY");
    qunsetenv("HX_CARD_STEPS");
    m_registry.reset();
    m_roots.reset();
}

PlaceCardReturnMessage tst_PlacePreviewCard::runCard(const InvokeRequest &request, const QString &steps)
{
    qputenv("HX_CARD_STEPS", steps.toUtf8());
    InvokeManager manager;
    QSignalSpy done(&manager, &InvokeManager::childCardDone);
    manager.invoke(request);
    if (!SignalWaiter::wait(done, 1, ANSWER_MS + 5000))
        return PlaceCardReturnMessage(-2, PlaceCardReturnMessage::Unknown);
    return PlaceCardReturnMessage::fromString(done.first().first().value<CardDoneMessage>().data());
}

void tst_PlacePreviewCard::previewerAnswersWhatHappened_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("select");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("storedAfter");

    const QStringList one { "Café Pyrus" };
    QTest::newRow("a stored place looked at") << true << false << "back" << int(PlaceCardReturnMessage::Existed) << one;
    QTest::newRow("a new place looked at")
        << false << false << "back" << int(PlaceCardReturnMessage::Unknown) << QStringList();
    QTest::newRow("a stored place selected")
        << true << true << "action Select" << int(PlaceCardReturnMessage::Selected) << one;
    QTest::newRow("a new place selected is stored")
        << false << true << "action Select" << int(PlaceCardReturnMessage::SelectedModified) << one;
    QTest::newRow("left without selecting") << true << true << "back" << int(PlaceCardReturnMessage::Unknown) << one;
    QTest::newRow("steps end before the card")
        << true << false << "tap MapPreview" << int(PlaceCardReturnMessage::Unknown) << one;
}

void tst_PlacePreviewCard::previewerAnswersWhatHappened()
{
    QFETCH(bool, stored);
    QFETCH(bool, select);
    QFETCH(QString, steps);
    QFETCH(int, status);
    QFETCH(QStringList, storedAfter);
    const QSharedPointer<Place> place = cafe(stored);
    qputenv("HX_CARD_STEPS", steps.toUtf8());

    // The real caller: the library's own previewer invocation.
    CardsUtils cards;
    QSignalSpy previewDone(&cards, &CardsUtils::previewDone);
    cards.placeViewPreviewer(place, select);
    QVERIFY(SignalWaiter::wait(previewDone, 1, ANSWER_MS + 5000));
    const auto message = previewDone.first().first().value<PlaceCardReturnMessage>();

    QCOMPARE(int(message.getStatus()), status);
    QCOMPARE(storedPlaces(), storedAfter);
    if (status == PlaceCardReturnMessage::Unknown)
        QCOMPARE(message.getId(), qint64(-1));
    else
        QCOMPARE(message.getId(), storedIdOf(place->name()));
    if (stored && status != PlaceCardReturnMessage::Unknown)
        QCOMPARE(message.getId(), place->id());
    QCOMPARE(previewDone.count(), 1);
}

void tst_PlacePreviewCard::universalSearchPreviewOfAPlaceId_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("storedAfter");

    QTest::newRow("looked at") << "{\"placeId\":%1}"
                               << "back" << int(PlaceCardReturnMessage::Existed) << QStringList { "Café Pyrus" };
    QTest::newRow("made a favourite") << "{\"placeId\":%1}"
                                      << "action Favorite\nback" << int(PlaceCardReturnMessage::Modified)
                                      << QStringList { "Café Pyrus (favourite)" };
    QTest::newRow("in the navigation form")
        << "JSON {\"placeId\":%1}"
        << "back" << int(PlaceCardReturnMessage::Existed) << QStringList { "Café Pyrus" };
}

void tst_PlacePreviewCard::universalSearchPreviewOfAPlaceId()
{
    QFETCH(QString, data);
    QFETCH(QString, steps);
    QFETCH(int, status);
    QFETCH(QStringList, storedAfter);
    const QSharedPointer<Place> place = cafe(true);
    // As the universal search invokes it.
    InvokeRequest request;
    request.setAction(CardsUtils::PLACEPREVIEWER_ACTION_VIEW);
    request.setTarget(CardsUtils::PLACEPREVIEWER_TARGET_NAME);
    request.setMimeType(QStringLiteral("application/vnd.korvane.place-id"));
    request.setData(data.arg(place->id()).toUtf8());

    const PlaceCardReturnMessage message = runCard(request, steps);
    QCOMPARE(message, PlaceCardReturnMessage(place->id(), PlaceCardReturnMessage::ReturnedPlaceStatus(status)));
    QCOMPARE(storedPlaces(), storedAfter);
}

void tst_PlacePreviewCard::sharedPlaceUrlOpensTheSharePreview_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("storedAfter");

    QTest::newRow("with a position, kept")
        << "hxplaces:place?name=Lumen%20Coffee&lat=43.4643&lon=-80.5204&label=King%20St"
        << int(PlaceCardReturnMessage::Existed) << QStringList { "Lumen Coffee" };
    QTest::newRow("without a position, not kept") << "hxplaces:place?name=Lumen%20Coffee&label=King%20St"
                                                  << int(PlaceCardReturnMessage::Unknown) << QStringList();
}

void tst_PlacePreviewCard::sharedPlaceUrlOpensTheSharePreview()
{
    QFETCH(QString, url);
    QFETCH(int, status);
    QFETCH(QStringList, storedAfter);
    InvokeRequest request;
    request.setAction(CardsUtils::PLACEPREVIEWER_ACTION_VIEW);
    request.setTarget(CardsUtils::PLACEPREVIEWER_TARGET_NAME);
    request.setUri(QUrl(url));

    // The share preview's favourite action is there only on the share preview of the place.
    const PlaceCardReturnMessage message
        = runCard(request, QStringLiteral("action FavoriteAction\naction Unfavorite\nback"));
    QCOMPARE(int(message.getStatus()), status);
    QCOMPARE(storedPlaces(), storedAfter);
    QCOMPARE(message.getId(), storedAfter.isEmpty() ? qint64(-1) : storedIdOf(storedAfter.first()));
}

void tst_PlacePreviewCard::addFavouriteComposer_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("storedAfter");

    QTest::newRow("cancelled") << "type NameField Lumen Coffee\naction CancelEditAction"
                               << int(PlaceCardReturnMessage::Unknown) << QStringList();
    // Saving geocodes the address first; the answer comes once the place is stored.
    QTest::newRow("saved") << "type NameField Lumen Coffee\naction SaveEditAction\nwait 3000"
                           << int(PlaceCardReturnMessage::Modified) << QStringList { "Lumen Coffee (favourite)" };
}

void tst_PlacePreviewCard::addFavouriteComposer()
{
    QFETCH(QString, steps);
    QFETCH(int, status);
    QFETCH(QStringList, storedAfter);
    InvokeRequest request;
    request.setTarget(CardsUtils::PLACEPREVIEWER_TARGET_NAME);
    request.setAction(QStringLiteral("hx.action.COMPOSE"));
    request.setMimeType(QStringLiteral("text/plain"));
    request.setData(QByteArray("200 University Ave W, Waterloo"));

    const PlaceCardReturnMessage message = runCard(request, steps);
    QCOMPARE(int(message.getStatus()), status);
    QCOMPARE(storedPlaces(), storedAfter);
    QCOMPARE(message.getId(), storedAfter.isEmpty() ? qint64(-1) : storedIdOf(QStringLiteral("Lumen Coffee")));
}

void tst_PlacePreviewCard::invocationWithNothingToShowAnswersAtOnce_data()
{
    QTest::addColumn<QString>("mimeType");
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("garbage for a place") << CardsUtils::PREVIEWER_PLACE_MIME_TYPE << QByteArray("not a place");
    QTest::newRow("an id that is not stored") << "application/vnd.korvane.place-id" << QByteArray("{\"placeId\":999}");
    QTest::newRow("an unknown kind of data") << "image/png" << QByteArray("\x89PNG");
}

void tst_PlacePreviewCard::invocationWithNothingToShowAnswersAtOnce()
{
    QFETCH(QString, mimeType);
    QFETCH(QByteArray, data);
    InvokeRequest request;
    request.setAction(CardsUtils::PLACEPREVIEWER_ACTION_VIEW);
    request.setTarget(CardsUtils::PLACEPREVIEWER_TARGET_NAME);
    request.setMimeType(mimeType);
    request.setData(data);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(runCard(request, QStringLiteral("wait 60000")), PlaceCardReturnMessage());
    QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(tst_PlacePreviewCard)
#include "tst_placepreviewcard.moc"
