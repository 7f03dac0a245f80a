#include <QtTest/QtTest>

#include <hx/system/localehandler.h>
#include <hx/system/systemui.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/places/selectedplace.h>
#include <hx/trellan/places/selectorsheet.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include "gazetteerfixture.h"
#include "ppsstatusfile.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>

#include <memory>

using namespace hx::trellan::places;
using namespace hx::test;
using hx::system::SystemUi;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

const QString NETWORK = QStringLiteral("/pps/services/networking/status_public");
const QString LOCATION = QStringLiteral("/pps/services/geolocation/status");

QByteArray networkStatus(bool up)
{
    return up ? QByteArray("@status_public\nip_ok::yes\n") : QByteArray("@status_public\nip_ok::no\n");
}

QByteArray locationStatus(bool on)
{
    return QByteArray("@status\nstatus:json:{\"location_manager_location_on\":") + (on ? "true" : "false") + "}\n";
}

int eventsNamed(const QString &path, const QString &name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int count = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty() && QJsonDocument::fromJson(line).object().value(QStringLiteral("event")).toString() == name)
            ++count;
    }
    return count;
}

// The picker card's pane with the selector page pushed, as the card shows it.
struct PickerCard
{
    hx::trellan::NavigationPane pane;
    SelectorSheet *sheet = new SelectorSheet(&pane, &pane);

    PickerCard() { pane.push(sheet); }
    QString text() { return ScreenText::render(&pane); }
};

} // namespace

class tst_SelectorSheet : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void withoutDataServicesExitEndsAsACancel();
    void withLocationOffEitherAnswerKeepsThePage_data();
    void withLocationOffEitherAnswerKeepsThePage();
    void aPickOrACancelEndsThePage_data();
    void aPickOrACancelEndsThePage();
    void thePageFollowsTheLanguage();

private:
    std::unique_ptr<TestRoots> m_roots;
};

void tst_SelectorSheet::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(),
                                    { GazetteerFixture::poi(QStringLiteral("Cinema Lux"), 43.52, -80.51) }));
    StoreFixture::addRecent(QStringLiteral("Kitchener Market"), 43.4501, -80.4890);
    QVERIFY(PpsStatusFile::write(NETWORK, networkStatus(true)));
    QVERIFY(PpsStatusFile::write(LOCATION, locationStatus(true)));
    SystemUi::clearHistory();
}

void tst_SelectorSheet::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    QThreadPool::globalInstance()->waitForDone();
    m_roots.reset();
}

void tst_SelectorSheet::withoutDataServicesExitEndsAsACancel()
{
    QVERIFY(PpsStatusFile::write(NETWORK, networkStatus(false)));
    PickerCard card;
    QSignalSpy ended(card.sheet, &SelectorSheet::placeSelected);
    QTRY_COMPARE(SystemUi::top().title, QStringLiteral("Data Services"));
    QVERIFY(SystemUi::pressButton(QStringLiteral("Exit")));
    QVERIFY(SignalWaiter::wait(ended));
    QCoreApplication::processEvents();
    QCOMPARE(ended.count(), 1);
    QScopedPointer<SelectedPlace> picked(card.sheet->getSelectedPlace());
    QVERIFY(picked.isNull());
    QCOMPARE(eventsNamed(m_roots->eventLogPath(), QStringLiteral("PlacePickerCancellation")), 1);
    // The location question never came.
    for (const hx::system::SystemUiRecord &record : SystemUi::history())
        QVERIFY(record.title != QLatin1String("Location Services Off"));
}

void tst_SelectorSheet::withLocationOffEitherAnswerKeepsThePage_data()
{
    QTest::addColumn<QString>("answer");

    QTest::newRow("not now") << "Not Now";
    QTest::newRow("settings") << "Settings";
}

void tst_SelectorSheet::withLocationOffEitherAnswerKeepsThePage()
{
    QFETCH(QString, answer);

    QVERIFY(PpsStatusFile::write(LOCATION, locationStatus(false)));
    PickerCard card;
    QSignalSpy ended(card.sheet, &SelectorSheet::placeSelected);
    QTRY_COMPARE(SystemUi::top().title, QStringLiteral("Location Services Off"));
    QVERIFY(SystemUi::pressButton(answer));
    QTRY_COMPARE(SystemUi::visibleCount(), 0);
    QVERIFY(!ended.wait(200));
    QVERIFY2(card.text().contains(QLatin1String("| Kitchener Market |")), qPrintable(card.text()));
    QCOMPARE(eventsNamed(m_roots->eventLogPath(), QStringLiteral("PlacePickerCancellation")), 0);
}

void tst_SelectorSheet::aPickOrACancelEndsThePage_data()
{
    QTest::addColumn<bool>("pick");
    QTest::addColumn<QString>("event");

    QTest::newRow("a pick") << true << "PlacePickerSelection";
    QTest::newRow("a cancel") << false << "PlacePickerCancellation";
}

void tst_SelectorSheet::aPickOrACancelEndsThePage()
{
    QFETCH(bool, pick);
    QFETCH(QString, event);

    PickerCard card;
    QSignalSpy ended(card.sheet, &SelectorSheet::placeSelected);
    QTRY_VERIFY2(card.text().contains(QLatin1String("| Kitchener Market |")), qPrintable(card.text()));
    // Both services are on: the page asks nothing.
    for (const hx::system::SystemUiRecord &record : SystemUi::history())
        QVERIFY2(record.title.isEmpty(), qPrintable(record.title));
    if (pick) {
        QVERIFY(TestDriver::typeText(&card.pane, QStringLiteral("SearchField"), QStringLiteral("cine")));
        QTRY_VERIFY2(card.text().contains(QLatin1String("| Cinema Lux |")), qPrintable(card.text()));
        int row = -1;
        for (const QString &line : card.text().split(QLatin1Char('\n'))) {
            if (line.contains(QLatin1String("| Cinema Lux |")))
                row = line.trimmed().mid(1, line.trimmed().indexOf(QLatin1Char(']')) - 1).toInt();
        }
        QVERIFY2(TestDriver::tapRowPart(&card.pane, QStringLiteral("SearchList"), { row }, QStringLiteral("ItemTitle")),
                 qPrintable(TestDriver::lastError()));
    } else {
        QVERIFY2(TestDriver::triggerAction(&card.pane, QStringLiteral("CancelPickerButton")),
                 qPrintable(TestDriver::lastError()));
    }
    QVERIFY(SignalWaiter::wait(ended));
    QScopedPointer<SelectedPlace> picked(card.sheet->getSelectedPlace());
    QCOMPARE(picked.isNull(), !pick);
    if (pick)
        QCOMPARE(picked->name(), QStringLiteral("Cinema Lux"));
    QCOMPARE(eventsNamed(m_roots->eventLogPath(), event), 1);
}

void tst_SelectorSheet::thePageFollowsTheLanguage()
{
    PickerCard card;
    QTRY_VERIFY2(card.text().contains(QLatin1String("Type to enter search term or address")), qPrintable(card.text()));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(card.text().contains(QLatin1String("Saisissez un terme de recherche ou une adresse")),
                 qPrintable(card.text()));
    QVERIFY2(card.text().contains(QLatin1String("Annuler")), qPrintable(card.text()));
}

QTEST_MAIN(tst_SelectorSheet)
#include "tst_selectorsheet.moc"
