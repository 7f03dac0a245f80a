#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placepicker.h>
#include <hx/trellan/places/placepickercontrol.h>
#include <hx/trellan/places/selectedplace.h>

#include <hx/platform/places/placemanager.h>
#include <hx/system/invokemanager.h>
#include <hx/trellan/container.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include "records/selectedplace_p.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <hx/trellan/button.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QPointer>
#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using namespace hx::system;
using namespace hx::test;
using namespace hx::trellan::places;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

const QString PICKER_TARGET = QStringLiteral("sys.places.placepicker");

// Stands in for the picker card application: once the card is open it keeps the user's pick
// as a recent place and closes with its JSON, or closes with nothing when the user cancels.
class PickerCard
{
public:
    explicit PickerCard(const QString &pick)
    {
        InvokeManager::bindTarget(PICKER_TARGET, [this, pick](const InvokedCard &card) {
            ++opened;
            QTimer::singleShot(0, [card, pick] { card.done(CardDoneMessage(QStringLiteral("done"), answer(pick))); });
        });
    }
    ~PickerCard() { InvokeManager::unbindTarget(PICKER_TARGET); }

    int opened = 0;

private:
    static QString answer(const QString &pick)
    {
        if (pick.isEmpty())
            return QString();
        QSharedPointer<Place> place(new Place(pick, Location(Coordinates(43.4643, -80.5204), Address())));
        if (PlaceManagerUI::savePickedPlace(place, false) != Error::None)
            return QString();
        QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(place));
        return JsonUtils::encodeSelectedPlaceToJson(selected.data());
    }
};

// Turns a wait that never ends into a failure that says so.
class Watchdog
{
public:
    Watchdog()
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout,
                         [] { qFatal("show() still waits: its caller was never answered"); });
        m_timer.start(30000);
    }

private:
    QTimer m_timer;
};

// The one container a test made for the application's screen, while it exists.
QPointer<QObject> &screenSlot()
{
    static QPointer<QObject> screen;
    return screen;
}

QObject *findScreen()
{
    return screenSlot().data();
}

QStringList eventNames(const QString &path)
{
    QStringList names;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return names;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            names << QJsonDocument::fromJson(line).object().value(QStringLiteral("event")).toString();
    }
    return names;
}

QStringList recentNames()
{
    Error::Type error = Error::None;
    SearchHandle handle;
    QStringList names;
    for (PlaceHeader *header : PlaceManagerUI::findRecentlyPickedPlaces(error, handle, 0, 50, false)) {
        names << header->name();
        delete header;
    }
    return names;
}

} // namespace

class tst_PlacePicker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showReturnsThePick_data();
    void showReturnsThePick();
    void thePickDiesWithThePickerUnlessReparented();
    void eventsDuringTheWaitAreDelivered();
    void aFailedInvocationEndsTheWait_data();
    void aFailedInvocationEndsTheWait();
    void closedWhileTheCardIsOpen_data();
    void closedWhileTheCardIsOpen();
    void controlReportsEachPress_data();
    void controlReportsEachPress();

private:
    QScopedPointer<TestRoots> m_roots;
};

void tst_PlacePicker::initTestCase()
{
    qRegisterMetaType<SelectedPlace *>();
}

void tst_PlacePicker::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    StoreFixture::seedDefault();
}

void tst_PlacePicker::cleanup()
{
    m_roots.reset();
}

void tst_PlacePicker::showReturnsThePick_data()
{
    QTest::addColumn<QString>("pick"); // empty: the user cancels in the card

    QTest::newRow("a picked place comes back") << QStringLiteral("Café Pyrus");
    QTest::newRow("a cancelled card gives null") << QString();
}

void tst_PlacePicker::showReturnsThePick()
{
    QFETCH(QString, pick);

    PickerCard card(pick);
    PlacePicker picker;
    SelectedPlace *result = picker.show();
    QCOMPARE(card.opened, 1);
    QCOMPARE(eventNames(m_roots->eventLogPath()), QStringList { QStringLiteral("PlacePickerInvocation") });
    if (pick.isEmpty()) {
        QVERIFY(!result);
        return;
    }
    QVERIFY(result);
    QCOMPARE(result->name(), pick);
    QCOMPARE(result->parent(), &picker);
    QVERIFY(recentNames().contains(pick));
}

void tst_PlacePicker::thePickDiesWithThePickerUnlessReparented()
{
    PickerCard card(QStringLiteral("Café Pyrus"));
    QObject keeper;
    QPointer<SelectedPlace> dropped;
    QPointer<SelectedPlace> kept;
    {
        PlacePicker picker;
        dropped = picker.show();
        PlacePicker second;
        kept = second.show();
        QVERIFY(dropped && kept);
        kept->setParent(&keeper);
    }
    QVERIFY(!dropped);
    QVERIFY(kept);
    QCOMPARE(kept->name(), QStringLiteral("Café Pyrus"));
}

void tst_PlacePicker::eventsDuringTheWaitAreDelivered()
{
    // The card answers late; meanwhile the application's timers keep running and may even use
    // the store.
    InvokedCard open;
    InvokeManager::bindTarget(PICKER_TARGET, [&open](const InvokedCard &card) { open = card; });
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 3)
            open.done(CardDoneMessage(QStringLiteral("done"), QString()));
        recentNames();
    });
    timer.start(10);
    PlacePicker picker;
    SelectedPlace *result = picker.show();
    InvokeManager::unbindTarget(PICKER_TARGET);
    QVERIFY(!result);
    QVERIFY(ticks >= 3);
}

void tst_PlacePicker::aFailedInvocationEndsTheWait_data()
{
    QTest::addColumn<QString>("program"); // the registry's program for the card; empty: not listed

    QTest::newRow("the card is not registered") << QString();
    QTest::newRow("the card's program is missing") << QStringLiteral("/nonexistent/hx-placepickercard");
}

void tst_PlacePicker::aFailedInvocationEndsTheWait()
{
    QFETCH(QString, program);

    QTemporaryDir registry;
    QVERIFY(registry.isValid());
    if (!program.isEmpty()) {
        QFile entry(QDir(registry.path()).filePath(QStringLiteral("placepickercard.json")));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write(QJsonDocument(QJsonObject { { "target", PICKER_TARGET }, { "program", program } }).toJson());
    }
    qputenv("HX_CARD_REGISTRY", QFile::encodeName(registry.path()));
    QTest::ignoreMessage(
        QtCriticalMsg,
        QRegularExpression(QStringLiteral("placePickerInvokeFinished\\(\\) invoke reply had an error: 1$")));
    Watchdog watchdog;
    PlacePicker picker;
    SelectedPlace *result = picker.show();
    qunsetenv("HX_CARD_REGISTRY");
    QVERIFY(!result);
}

void tst_PlacePicker::closedWhileTheCardIsOpen_data()
{
    QTest::addColumn<bool>("button"); // through the picker button, else a picker of the application's

    QTest::newRow("the picker's owner is closed") << false;
    QTest::newRow("the screen with the picker button is closed") << true;
}

void tst_PlacePicker::closedWhileTheCardIsOpen()
{
    QFETCH(bool, button);

    // The card stays open until the application has closed the screen that asked for it.
    InvokedCard open;
    InvokeManager::bindTarget(PICKER_TARGET, [&open](const InvokedCard &card) {
        open = card;
        QTimer::singleShot(0, [] { delete findScreen(); });
    });
    Watchdog watchdog;
    auto *screen = new hx::trellan::Container;
    screenSlot() = screen;
    if (button) {
        auto *control = new PlacePickerControl(screen);
        QSignalSpy selected(control, &PlacePickerControl::selected);
        auto *press = TestDriver::find<hx::trellan::Button>(screen, QStringLiteral("PlacePickerButton"));
        QVERIFY(press);
        emit press->clicked();
        QCOMPARE(selected.count(), 0); // nobody is left to tell
    } else {
        auto *picker = new PlacePicker(screen);
        QVERIFY(!picker->show());
    }
    QVERIFY(!findScreen());
    // The card's late answer reaches no one.
    open.done(CardDoneMessage(QStringLiteral("done"), QStringLiteral("{}")));
    QCoreApplication::processEvents();
    InvokeManager::unbindTarget(PICKER_TARGET);
}

void tst_PlacePicker::controlReportsEachPress_data()
{
    QTest::addColumn<QString>("pick");

    QTest::newRow("a pick is handed to the application") << QStringLiteral("Town Hall");
    QTest::newRow("a cancel is reported as null") << QString();
}

void tst_PlacePicker::controlReportsEachPress()
{
    QFETCH(QString, pick);

    PickerCard card(pick);
    hx::trellan::Container screen;
    auto *control = new PlacePickerControl(&screen);
    QCOMPARE(control->parent(), &screen);
    QSignalSpy selected(control, &PlacePickerControl::selected);
    const QString shown = ScreenText::render(&screen);
    QVERIFY2(TestDriver::clickButton(&screen, QStringLiteral("PlacePickerButton")), qPrintable(shown));
    QCOMPARE(selected.count(), 1);
    auto *result = selected.first().first().value<SelectedPlace *>();
    QCOMPARE(result != nullptr, !pick.isEmpty());
    if (result) {
        QCOMPARE(result->name(), pick);
        QCOMPARE(result->parent(), control);
    }

    // Each press opens the card again.
    QVERIFY(TestDriver::clickButton(&screen, QStringLiteral("PlacePickerButton")));
    QCOMPARE(selected.count(), 2);
    QCOMPARE(card.opened, 2);
}

QTEST_MAIN(tst_PlacePicker)
#include "tst_placepicker.moc"
