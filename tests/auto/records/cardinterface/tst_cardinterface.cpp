#include <hx/trellan/places/cardinterface.h>
#include <hx/trellan/places/selectedplace.h>

#include <hx/trellan/places/selectorsheet.h>

#include <hx/platform/places/utilities.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>

#include "records/selectedplace_p.h"
#include "testroots.h"

#include <QtCore/QDataStream>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using namespace hx::trellan::places;

namespace {

const char *const DESERIALIZE_ERROR
    = "hx::trellan::places::CardInterface::deserializePlace(): error -- place cannot be deserialized";
const char *const CAST_ERROR
    = "hx::trellan::places::CardInterface::selectedPlace(): error -- could not cast to SelectorSheet";

QByteArray placeBytes()
{
    Place place(QStringLiteral("Kitchener City Hall"), Location(Coordinates(43.4516, -80.4925), Address()));
    return Utilities::serialize(place);
}

QByteArray withVersion(quint16 version)
{
    QByteArray bytes = placeBytes();
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << Utilities::Magic << version;
    return bytes;
}

// A page of another kind, as a card might hand over by mistake.
class OtherPage : public hx::trellan::Page
{
    Q_OBJECT
public:
    Q_INVOKABLE hx::trellan::places::SelectedPlace *getSelectedPlace() { return new SelectedPlace; }
};

} // namespace

class tst_CardInterface : public QObject
{
    Q_OBJECT

private slots:
    void deserializePlace_data();
    void deserializePlace();
    void selectedPlaceOfAPageThatIsNoSelector_data();
    void selectedPlaceOfAPageThatIsNoSelector();
    void selectorPageIsLeftWithoutAParent();
};

void tst_CardInterface::deserializePlace_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");

    QTest::newRow("a place") << placeBytes() << "Kitchener City Hall";
    QTest::newRow("garbage") << QByteArray("not a place at all") << "";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("cut short") << placeBytes().left(placeBytes().size() / 2) << "";
    QTest::newRow("newer version") << withVersion(Utilities::Version + 1) << "";
    QTest::newRow("JSON of a selected place") << QByteArray("{\"selected_place\":{\"id\":3}}") << "";
}

void tst_CardInterface::deserializePlace()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    if (name.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, DESERIALIZE_ERROR);
    QScopedPointer<Place> place(CardInterface::deserializePlace(bytes));
    QCOMPARE(place.isNull(), name.isEmpty());
    if (place)
        QCOMPARE(place->name(), name);
}

void tst_CardInterface::selectedPlaceOfAPageThatIsNoSelector_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("no page") << "none";
    QTest::newRow("plain page") << "plain";
    QTest::newRow("page with a pick of its own") << "other";
}

void tst_CardInterface::selectedPlaceOfAPageThatIsNoSelector()
{
    QFETCH(QString, kind);
    QScopedPointer<hx::trellan::Page> page;
    if (kind == "plain")
        page.reset(new hx::trellan::Page);
    else if (kind == "other")
        page.reset(new OtherPage);
    QTest::ignoreMessage(QtWarningMsg, CAST_ERROR);
    QVERIFY(!CardInterface::selectedPlace(page.data()));
}

void tst_CardInterface::selectorPageIsLeftWithoutAParent()
{
    hx::test::TestRoots roots;
    QVERIFY(roots.isValid());
    hx::trellan::NavigationPane pane;
    QTest::ignoreMessage(QtDebugMsg, "hx::trellan::places::CardInterface::createSelectorPage() in");
    QScopedPointer<SelectorSheet> page(CardInterface::createSelectorPage(&pane));
    QVERIFY(page);
    QVERIFY(!page->parent());
    QVERIFY(!pane.children().contains(page.data()));
    // A selector before any pick has no place yet.
    QVERIFY(!CardInterface::selectedPlace(page.data()));
}

QTEST_MAIN(tst_CardInterface)
#include "tst_cardinterface.moc"
