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

#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QPointer>
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
