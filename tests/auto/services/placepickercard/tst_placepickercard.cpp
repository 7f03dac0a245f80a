#include <hx/trellan/places/cardsutils.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placepicker.h>
#include <hx/trellan/places/selectedplace.h>

#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/system/invokemanager.h>

#include "childprocesses.h"
#include "gazetteerfixture.h"
#include "ppsstatusfile.h"
#include "signalwaiter.h"
#include "testroots.h"

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QRandomGenerator>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <sqlite3.h>

#include <csignal>
#include <unistd.h>

using namespace hx::system;
using namespace hx::test;
using namespace hx::trellan::places;

namespace {

const QString PICKED = QStringLiteral("Kitchener City Hall");
// The user types, then taps the first place under its header.
const QString PICK_STEPS = QStringLiteral("type SearchField kitch\ntap-part SearchList 2 ItemTitle");
const int CARD_TIMEOUT_MS = 20000;

// The card programs this process started that are still there, zombies included.
QList<pid_t> childCards()
{
    QList<pid_t> cards;
    for (const ChildProcesses::Child &child : ChildProcesses::list()) {
        if (child.name.startsWith("hx-placepicker"))
            cards.append(child.pid);
    }
    return cards;
}

int killCards()
{
    int killed = 0;
    for (pid_t pid : childCards())
        killed += ::kill(pid, SIGKILL) == 0 ? 1 : 0;
    return killed;
}

QStringList recentNames()
{
    hx::platform::places::Error::Type error = hx::platform::places::Error::None;
    hx::platform::places::SearchHandle handle;
    QStringList names;
    for (hx::platform::places::PlaceHeader *header :
         PlaceManagerUI::findRecentlyPickedPlaces(error, handle, 0, 50, false)) {
        names << header->name();
        delete header;
    }
    return names;
}

// "ok" for a sound store file, and for none at all (a card killed before it wrote anything).
QString integrityOf(const QString &path)
{
    if (!QFile::exists(path))
        return QStringLiteral("ok");
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return QStringLiteral("cannot open");
    }
    sqlite3_stmt *statement = nullptr;
    QString answer;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW)
        answer = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return answer;
}

// One pick through the card as an application makes it, with the card killed after delayMs
// (negative: never); a card not started by then is killed as soon as it shows up. What the
// caller saw.
struct Pick
{
    QString picked; // empty for null
    int results = 0; // selectedPlace signals the caller's CardsUtils emitted
    qint64 elapsedMs = 0;
    int ticks = 0; // the caller's own timer, firing while show() waits
    int killed = 0;
};

Pick pickKilledAfter(int delayMs)
{
    Pick pick;
    PlacePicker picker;
    auto *cards = picker.findChild<CardsUtils *>();
    QSignalSpy results(cards, &CardsUtils::selectedPlace);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++pick.ticks; });
    tick.start(20);
    QElapsedTimer clock;
    clock.start();
    bool seen = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const bool there = !childCards().isEmpty();
        if (clock.elapsed() >= delayMs && (there || seen)) {
            pick.killed = killCards();
            watch.stop();
        }
        seen = seen || there;
    });
    if (delayMs >= 0)
        watch.start(2);
    SelectedPlace *place = picker.show();
    pick.elapsedMs = clock.elapsed();
    watch.stop();
    pick.picked = place ? place->name() : QString();
    // A second answer would come while the card ends; wait until none of ours is left.
    SignalWaiter::waitFor([] { return childCards().isEmpty(); }, 5000);
    QCoreApplication::processEvents();
    pick.results = results.count();
    return pick;
}

} // namespace

class tst_PlacePickerCard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void killedMidPick_data();
    void killedMidPick();
    void killedAtRandomMoments();
    void aSecondShowLeavesTheOpenCardAlone();

private:
    QScopedPointer<TestRoots> m_roots;
    QScopedPointer<QTemporaryDir> m_registry;
};

void tst_PlacePickerCard::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(),
                                    { GazetteerFixture::poi(PICKED, 43.4516, -80.4925),
                                      GazetteerFixture::poi(QStringLiteral("Waterloo Park"), 43.4668, -80.5268) }));
    QVERIFY(PpsStatusFile::write("/pps/services/networking/status_public", "@status_public\nip_ok::yes\n"));
    QVERIFY(PpsStatusFile::write("/pps/services/geolocation/status",
                                 "@status\nstatus:json:{\"location_manager_location_on\":true}\n"));
    m_registry.reset(new QTemporaryDir);
    QVERIFY(m_registry->isValid());
    QFile entry(QDir(m_registry->path()).filePath(QStringLiteral("placepickercard.json")));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write(QJsonDocument(QJsonObject { { "target", CardsUtils::PLACEPICKER_TARGET_NAME },
                                            { "program", HX_PICKERCARD_PATH } })
                    .toJson());
    entry.close();
    qputenv("HX_CARD_REGISTRY", QFile::encodeName(m_registry->path()));
    InvokeManager::setDefaultCardTimeout(CARD_TIMEOUT_MS);
}

void tst_PlacePickerCard::cleanup()
{
    killCards();
    qunsetenv("HX_CARD_STEPS");
    qunsetenv("HX_CARD_REGISTRY");
    m_registry.reset();
    m_roots.reset();
}

void tst_PlacePickerCard::killedMidPick_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("delayMs");

    QTest::newRow("as soon as it starts") << PICK_STEPS << 0;
    QTest::newRow("while its page waits for the user") << "type SearchField kitch\nwait 60000" << 1500;
}

void tst_PlacePickerCard::killedMidPick()
{
    QFETCH(QString, steps);
    QFETCH(int, delayMs);
    qputenv("HX_CARD_STEPS", steps.toUtf8());
    const Pick pick = pickKilledAfter(delayMs);
    QCOMPARE(pick.killed, 1);
    QCOMPARE(pick.picked, QString());
    QCOMPARE(pick.results, 1);
    // Well inside the time-out: the end of the card is noticed, not waited out.
    QVERIFY2(pick.elapsedMs < CARD_TIMEOUT_MS / 2, qPrintable(QString::number(pick.elapsedMs)));
    // A card killed at once can end before the caller's timer is due; a card that lived longer
    // than a few ticks must have left the caller's loop running meanwhile.
    QVERIFY2(pick.elapsedMs < 100 || pick.ticks > 0, "the caller's event loop stood still during show()");
    QVERIFY(childCards().isEmpty());
    QCOMPARE(integrityOf(m_roots->storePath()), QStringLiteral("ok"));
    QVERIFY(recentNames().isEmpty());
}

void tst_PlacePickerCard::killedAtRandomMoments()
{
    const int picks = qEnvironmentVariableIsSet("HX_CARD_KILLS") ? qEnvironmentVariableIntValue("HX_CARD_KILLS") : 10;
    const quint32 seed = qEnvironmentVariableIsSet("HX_CARD_KILLS_SEED")
        ? quint32(qEnvironmentVariableIntValue("HX_CARD_KILLS_SEED"))
        : QRandomGenerator::global()->generate();
    qInfo("%d picks, seed %u (HX_CARD_KILLS_SEED repeats the run)", picks, seed);
    QRandomGenerator random(seed);
    qputenv("HX_CARD_STEPS", PICK_STEPS.toUtf8());

    // How long a whole pick takes here: kills fall before, during and after the card's answer.
    const Pick whole = pickKilledAfter(-1);
    QCOMPARE(whole.picked, PICKED);
    const int span = int(whole.elapsedMs * 5 / 4) + 1;

    int completed = 1;
    for (int i = 0; i < picks; ++i) {
        const int delay = int(random.bounded(span));
        const Pick pick = pickKilledAfter(delay);
        const QString what = QStringLiteral("pick %1, killed after %2 ms (%3 killed), took %4 ms")
                                 .arg(i + 1)
                                 .arg(delay)
                                 .arg(pick.killed)
                                 .arg(pick.elapsedMs);
        QVERIFY2(pick.picked.isEmpty() || pick.picked == PICKED, qPrintable(what + ": " + pick.picked));
        QVERIFY2(pick.results == 1, qPrintable(what + QStringLiteral(": %1 results").arg(pick.results)));
        QVERIFY2(pick.elapsedMs < CARD_TIMEOUT_MS, qPrintable(what));
        QVERIFY2(childCards().isEmpty(), qPrintable(what + ": a card is left behind"));
        if (!pick.picked.isEmpty())
            ++completed;
    }
    qInfo("%d of %d picks completed", completed, picks + 1);
    QCOMPARE(integrityOf(m_roots->storePath()), QStringLiteral("ok"));
    // Every completed pick saved its place; the same place is kept once.
    QCOMPARE(recentNames(), QStringList { PICKED });
}

void tst_PlacePickerCard::aSecondShowLeavesTheOpenCardAlone()
{
    qputenv("HX_CARD_STEPS", PICK_STEPS.toUtf8());
    PlacePicker picker;
    QSignalSpy results(picker.findChild<CardsUtils *>(), &CardsUtils::selectedPlace);
    bool secondReturned = false;
    SelectedPlace *second = nullptr;
    // The application asks again while the card is open, as a second tap on its button would.
    QTimer::singleShot(0, &picker, [&] {
        second = picker.show();
        secondReturned = true;
    });
    SelectedPlace *first = picker.show();
    QVERIFY(secondReturned);
    QVERIFY(!second);
    QVERIFY(first);
    QCOMPARE(first->name(), PICKED);
    QVERIFY(SignalWaiter::waitFor([] { return childCards().isEmpty(); }, 5000));
    QCoreApplication::processEvents();
    QCOMPARE(results.count(), 1);
}

QTEST_MAIN(tst_PlacePickerCard)
#include "tst_placepickercard.moc"
