#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/reviewauxiliarydata.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/platform/places/sortrule.h>
#include <hx/platform/places/tags.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/modelmarker.h>
#include <hx/trellan/places/selectedplace.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <records/selectedplace_p.h>

#include <gazetteerfixture.h>
#include <pseudoterminal.h>
#include <signalwaiter.h>
#include <storefixture.h>
#include <testroots.h>

#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <csignal>

#include <sqlite3.h>

using hx::platform::places::GazetteerEntry;
using hx::test::GazetteerFixture;
using hx::test::StoreFixture;

namespace {

struct Result
{
    int code = -1;
    QByteArray out;
    QByteArray err;
    QByteArray seen; // everything drawn on the terminal
};

GazetteerEntry located(GazetteerEntry::Kind kind, const QString &name, double latitude, double longitude,
                       const QString &street, double importance)
{
    GazetteerEntry entry = GazetteerFixture::entry(kind, name, latitude, longitude, importance);
    entry.street = street;
    entry.city = QStringLiteral("Waterloo");
    entry.region = QStringLiteral("Ontario");
    entry.country = QStringLiteral("Canada");
    entry.countryCode = QStringLiteral("CA");
    return entry;
}

bool writeGazetteer(const QString &path)
{
    return GazetteerFixture::write(
        path,
        { located(GazetteerEntry::Locality, QStringLiteral("Waterloo"), 43.4643, -80.5204, QString(), 100000),
          located(GazetteerEntry::Address, QStringLiteral("200 University Ave W"), 43.4723, -80.5449,
                  QStringLiteral("200 University Ave W"), 50),
          located(GazetteerEntry::Address, QStringLiteral("75 King Street S"), 43.4646, -80.5221,
                  QStringLiteral("75 King Street S"), 40),
          GazetteerFixture::poi(QStringLiteral("Waterloo Public Library"), 43.4662, -80.5236, QStringLiteral("library"),
                                30),
          GazetteerFixture::poi(QStringLiteral("Waterloo Park"), 43.4690, -80.5300, QStringLiteral("park"), 20),
          GazetteerFixture::poi(QStringLiteral("Waterlily Café"), 43.4600, -80.5200, QStringLiteral("cafe"), 10) });
}

QJsonObject selectedPlace(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object().value(QStringLiteral("selected_place")).toObject();
}

// One section of a merged list, as the user reads it: header, the names under it, footer.
struct Section
{
    QString header;
    QStringList names;
    QString footer;
    bool operator==(const Section &other) const
    {
        return header == other.header && names == other.names && footer == other.footer;
    }
};

QString describe(const QList<Section> &sections)
{
    QStringList lines;
    for (const Section &section : sections)
        lines.append(section.header + QLatin1String(": ") + section.names.join(QLatin1String(", ")) + QLatin1Char(' ')
                     + section.footer);
    return lines.join(QLatin1String(" | "));
}

QList<Section> printedSections(const QByteArray &json)
{
    QList<Section> sections;
    for (const QJsonValue &value : QJsonDocument::fromJson(json).array()) {
        const QJsonObject object = value.toObject();
        Section section { object.value(QStringLiteral("header")).toString(),
                          {},
                          object.value(QStringLiteral("footer")).toString() };
        for (const QJsonValue &row : object.value(QStringLiteral("rows")).toArray())
            section.names.append(row.toObject().value(QStringLiteral("name")).toString());
        sections.append(section);
    }
    return sections;
}

// What the search-all model itself lays out for the text, at the position the tool is given.
QList<Section> modelSections(const QString &text)
{
    using namespace hx::trellan::places;
    SingleSearchAllDataModel model(true);
    QSignalSpy loaded(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(text, hx::platform::places::Coordinates(43.4643, -80.5204), {}, true);
    if (!hx::test::SignalWaiter::wait(loaded, 1, 15000))
        return {};
    QList<Section> sections;
    for (int row = 0; row < model.childCount({}); ++row) {
        const ModelMarker marker = model.data({ row }).value<ModelMarker>();
        if (marker.isHeader())
            sections.append({ marker.type(), {}, {} });
        else if (marker.isFooter() && !sections.isEmpty())
            sections.last().footer = marker.type();
        else if (!sections.isEmpty())
            sections.last().names.append(model.place({ row })->name());
    }
    return sections;
}

QStringList recentNames()
{
    hx::platform::places::InternalPlaceManager manager;
    hx::platform::places::Error::Type error = hx::platform::places::Error::None;
    hx::platform::places::SearchHandle handle;
    const QList<hx::platform::places::PlaceHeader *> recents = manager.findRecentlyPickedPlaces(error, handle, 0, 50);
    QStringList names;
    for (const hx::platform::places::PlaceHeader *header : recents)
        names.append(header->name());
    qDeleteAll(recents);
    return names;
}

// The processes whose parent is pid.
QList<qint64> childrenOf(qint64 pid)
{
    QList<qint64> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(0) != "Z" && fields.at(1).toLongLong() == pid)
            children.append(entry.toLongLong());
    }
    return children;
}

QStringList favoriteNames()
{
    hx::platform::places::PlaceManager manager;
    hx::platform::places::Error::Type error = hx::platform::places::Error::None;
    hx::platform::places::SearchHandle handle;
    const QList<hx::platform::places::PlaceHeader *> favorites
        = manager.findPlacesByTags({ QLatin1String(hx::platform::places::Tags::Favorite) }, error, handle,
                                   hx::platform::places::SortRule(), 0, 50);
    QStringList names;
    for (const hx::platform::places::PlaceHeader *header : favorites)
        names.append(header->name());
    qDeleteAll(favorites);
    return names;
}

// The exact text the library's encoder gives for the stored place: what a picker card returns.
QString libraryJson(qint64 id)
{
    using namespace hx::trellan::places;
    hx::platform::places::PlaceManager manager;
    hx::platform::places::Error::Type error = hx::platform::places::Error::None;
    QSharedPointer<hx::platform::places::Place> place(manager.getPlace(id, error));
    if (!place)
        return QString();
    QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(place));
    return JsonUtils::encodeSelectedPlaceToJson(selected.data());
}

const QByteArray Down("\x1bOB");
const QByteArray Tab("\t");

} // namespace

class tst_HxPlaces : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void scriptedPickIsStoredAsRecent();
    void contactPickIsGeocoded_data();
    void contactPickIsGeocoded();
    void searchMatchesTheModel_data();
    void searchMatchesTheModel();
    void distancesInTheUsersUnits_data();
    void distancesInTheUsersUnits();
    void shareRoundTrips_data();
    void shareRoundTrips();
    void openUriOpensSharedLinks_data();
    void openUriOpensSharedLinks();
    void openUriRefusesWhatIsNotAPlace_data();
    void openUriRefusesWhatIsNotAPlace();
    void whereAndGeocodePrintLocations_data();
    void whereAndGeocodePrintLocations();
    void viewAndMapOfStoredPlace();
    void badArguments_data();
    void badArguments();
    void helpForEveryCommand();
    void unusableStore_data();
    void unusableStore();
    void unreadableGazetteer_data();
    void unreadableGazetteer();
    void aPickThatEndsWithoutAPlaceSaysWhy_data();
    void aPickThatEndsWithoutAPlaceSaysWhy();
    void aCardWhoseCallerIsKilledStoresNothing_data();
    void aCardWhoseCallerIsKilledStoresNothing();
    void temporaryFolderIsRemovedWhenTheRunIsEnded_data();
    void temporaryFolderIsRemovedWhenTheRunIsEnded();
    void interactiveFooterOpensCategoryAndCancelLeaves();
    void categoryListShowsWhatTheFooterHidesAndScrolls();
    void interactiveMyLocation_data();
    void interactiveMyLocation();
    void interactivePickRedrawsOnResize();
    void anUntitledSectionIsAPlainRule();
    void showListsItsScreens();
    void showRunsSteps_data();
    void showRunsSteps();
    void showStepThatCannotBeDone_data();
    void showStepThatCannotBeDone();
    void dumpShowsControlCharactersAsTheTerminalViewDoes();
    void searchFieldTakesNoMoreThanASearchUses();
    void showWritesAPicture();
    void showReviewsOfAStoredPlace();
    void showResultsOfASearch_data();
    void showResultsOfASearch();
    void showSearchPicksFromTheList();
    void showResultsOpensACategoryFromItsFooter();
    void showLocatingFindsTheAddress();
    void showNewSavesAFavourite();
    void showEditOpensAStoredPlace();
    void showScreensFollowTheLanguage_data();
    void showScreensFollowTheLanguage();
    void showDetailsOfAStoredPlace();
    void showSharePreviewOfAPlaceUrl();
    void showMyPlacesRunsSteps_data();
    void showMyPlacesRunsSteps();
    void showMyPlacesFiltersWhatIsTypedOnAKeyboard();
    void showMyPlacesUndoesOnTheTerminal();
    void showNewSelectorAddsWorkFromAPointOfInterest();
    void showNewSelectorTakesAKindOfPlace_data();
    void showNewSelectorTakesAKindOfPlace();
    void showCardAndPreviewOfAStoredPlace_data();
    void showCardAndPreviewOfAStoredPlace();
    void showDialogsOnTheTerminal_data();
    void showDialogsOnTheTerminal();
    void usersStoreIsCreatedOnFirstUseAndReused();
    void quietUnlessVerbose_data();
    void quietUnlessVerbose();
    void showLocalSearchNearADestination_data();
    void showLocalSearchNearADestination();
    void showLocalSearchWritesAPicture();

private:
    Result run(const QStringList &arguments, const QProcessEnvironment &environment = {}) const;
    QStringList dataArguments() const;
    // Runs the picker on a pseudo-terminal with stdout on a pipe; keys are sent once the
    // screen shows waitFor.
    Result runOnTerminal(const QList<QPair<QByteArray, QByteArray>> &steps,
                         const QStringList &command = { QStringLiteral("pick") }) const;
    // The Down keys from the card's search field to the first "more" footer of text's merged
    // list; returns that section's header.
    QString downsToFirstFooter(const QString &text, QByteArray *downs) const;

    QScopedPointer<hx::test::TestRoots> m_roots;
};

void tst_HxPlaces::init()
{
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
    QVERIFY(writeGazetteer(m_roots->gazetteerPath()));
    StoreFixture::seedDefault();
}

void tst_HxPlaces::cleanup()
{
    m_roots.reset();
}

QStringList tst_HxPlaces::dataArguments() const
{
    return { "--store", m_roots->storePath(), "--gazetteer", m_roots->gazetteerPath(), "--at", "43.4643,-80.5204" };
}

Result tst_HxPlaces::run(const QStringList &arguments, const QProcessEnvironment &environment) const
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start(QStringLiteral(HX_HXPLACES), arguments);
    Result result;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    // A sanitizer's report (a leak on a refusal's way out) fails even a run that should fail.
    if (result.err.contains("Sanitizer:"))
        result.code = -2;
    return result;
}

void tst_HxPlaces::scriptedPickIsStoredAsRecent()
{
    // With the fixture's recent "Waterloo Station", My Places show two rows on top.
    StoreFixture::addFavorite(QStringLiteral("Waterloo Town Square"), 43.4647, -80.5228);
    const Result result = run(QStringList { "pick", "--type", "waterl", "--choose", "2" } + dataArguments());
    QCOMPARE(result.code, 0);
    const QJsonObject place = selectedPlace(result.out);
    QVERIFY2(!place.isEmpty(), result.out + result.err);
    const QString name = place.value(QStringLiteral("name")).toString();
    QVERIFY(qAbs(place.value(QStringLiteral("latitude")).toDouble() - 43.46) < 0.1);

    // The second place row of the merged list is the one picked.
    const QList<Section> sections = modelSections(QStringLiteral("waterl"));
    QStringList rows;
    for (const Section &section : sections)
        rows += section.names;
    QVERIFY2(rows.size() >= 2, qPrintable(describe(sections)));
    QCOMPARE(name, rows.at(1));

    const QStringList recents = recentNames();
    QVERIFY2(recents.contains(name), qPrintable(recents.join(QStringLiteral(", "))));
    // Byte for byte what the library encodes for the stored pick.
    QCOMPARE(QString::fromUtf8(result.out.trimmed()), libraryJson(place.value(QStringLiteral("id")).toInt()));
}

void tst_HxPlaces::contactPickIsGeocoded_data()
{
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("located");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::newRow("an address the gazetteer knows gets its position")
        << QStringLiteral("75 King Street S") << QStringLiteral("Waterloo") << QStringList() << 0 << true << 43.4646
        << -80.5221;
    QTest::newRow("an unknown street in a known town gets the town's position")
        << QStringLiteral("9 Nowhere Lane") << QStringLiteral("Waterloo") << QStringList() << 0 << true << 43.4643
        << -80.5204;
    // The card asks whether to go on without a position. Going on picks a place it could not
    // store, and a pick without a stored id does not travel back to the caller.
    QTest::newRow("an address in a town it does not know is not picked even when the user goes on")
        << QStringLiteral("9 Nowhere Lane") << QStringLiteral("Atlantis") << QStringList { "--do", "dialog OK" } << 1
        << false << 0.0 << 0.0;
    QTest::newRow("a question the script leaves open picks nothing")
        << QStringLiteral("9 Nowhere Lane") << QStringLiteral("Atlantis") << QStringList() << 1 << false << 0.0 << 0.0;
}

void tst_HxPlaces::contactPickIsGeocoded()
{
    QFETCH(QString, street);
    QFETCH(QString, city);
    QFETCH(QStringList, answers);
    QFETCH(int, code);
    QFETCH(bool, located);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    StoreFixture::addContact(QStringLiteral("Grace"), QStringLiteral("Hopper"), street, city);
    const Result result = run(QStringList { "pick", "--type", "grace", "--choose", "1" } + answers + dataArguments());
    QVERIFY2(result.code == code, result.out + result.err);
    if (code != 0) {
        QVERIFY(result.out.isEmpty());
        QVERIFY(!recentNames().contains(QStringLiteral("Grace Hopper")));
        return;
    }
    const QJsonObject place = selectedPlace(result.out);
    QCOMPARE(place.value(QStringLiteral("name")).toString(), QStringLiteral("Grace Hopper"));
    QCOMPARE(place.value(QStringLiteral("latitude")).isDouble(), located);
    if (located) {
        QVERIFY(qAbs(place.value(QStringLiteral("latitude")).toDouble() - latitude) < 0.001);
        QVERIFY(qAbs(place.value(QStringLiteral("longitude")).toDouble() - longitude) < 0.001);
    }
}

void tst_HxPlaces::searchMatchesTheModel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("empty");
    QTest::newRow("a prefix with places of the user's and more points of interest than a section shows")
        << QStringLiteral("wat") << false;
    QTest::newRow("a street address") << QStringLiteral("75 King") << false;
    QTest::newRow("text nothing matches prints an empty list") << QStringLiteral("zzqx") << true;
}

void tst_HxPlaces::searchMatchesTheModel()
{
    QFETCH(QString, text);
    QFETCH(bool, empty);
    const Result result = run(QStringList { "search", text } + dataArguments());
    QCOMPARE(result.code, 0);
    QVERIFY2(QJsonDocument::fromJson(result.out).isArray(), result.out + result.err);
    const QList<Section> printed = printedSections(result.out);
    const QList<Section> expected = modelSections(text);
    QCOMPARE(printed.isEmpty(), empty);
    QVERIFY2(printed == expected,
             qPrintable(QStringLiteral("printed %1\nmodel   %2").arg(describe(printed), describe(expected))));
}

void tst_HxPlaces::distancesInTheUsersUnits_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("unit");
    QTest::newRow("metric in kilometres") << QStringLiteral("metric") << QStringLiteral("km");
    QTest::newRow("imperial in miles") << QStringLiteral("imperial") << QStringLiteral("mi");
}

void tst_HxPlaces::distancesInTheUsersUnits()
{
    QFETCH(QString, units);
    QFETCH(QString, unit);
    // About 8 km from where the user stands; where each unit starts is the library's own test.
    StoreFixture::addFavorite(QStringLiteral("Unitfix Outpost"), 43.4643, -80.4204);
    const Result result = run(QStringList { "search", "unitfix", "--units", units } + dataArguments());
    QCOMPARE(result.code, 0);
    const QJsonValue row = QJsonDocument::fromJson(result.out).array().first()[QStringLiteral("rows")][0];
    QCOMPARE(row[QStringLiteral("name")].toString(), QStringLiteral("Unitfix Outpost"));
    QVERIFY2(row[QStringLiteral("distance")].toString().endsWith(QLatin1Char(' ') + unit), result.out);
}

void tst_HxPlaces::shareRoundTrips_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("an accented name travels as UTF-8") << QStringLiteral("Café Olé");
    QTest::newRow("a name with a comma and an ampersand") << QStringLiteral("Bread, Butter & Co");
}

void tst_HxPlaces::shareRoundTrips()
{
    QFETCH(QString, name);
    const hx::platform::places::Place stored = StoreFixture::addFavorite(name, 43.4650, -80.5230);
    const Result share = run(QStringList { "share", QString::number(stored.id()) } + dataArguments());
    QCOMPARE(share.code, 0);
    const QByteArray uri = share.out.trimmed();
    QVERIFY2(uri.startsWith("geo:43.465000,-80.523000;"), uri);
    QVERIFY(!uri.contains(' '));

    const Result opened = run(QStringList { "open-uri", QString::fromUtf8(uri) } + dataArguments());
    QCOMPARE(opened.code, 0);
    const QJsonObject place = selectedPlace(opened.out);
    QVERIFY2(!place.isEmpty(), opened.out + opened.err);
    QCOMPARE(place.value(QStringLiteral("name")).toString(), name);
    QCOMPARE(place.value(QStringLiteral("latitude")).toDouble(), 43.465);
    QCOMPARE(place.value(QStringLiteral("longitude")).toDouble(), -80.523);
}

void tst_HxPlaces::openUriOpensSharedLinks_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::newRow("geo with a zoom") << "geo:43.4668,-80.51639?z=12"
                                     << "" << 43.4668 << -80.51639;
    QTest::newRow("geo:0,0 with a labelled position") << "geo:0,0?q=43.4668,-80.51639(Waterloo)"
                                                      << "Waterloo" << 43.4668 << -80.51639;
    QTest::newRow("geo:0,0 with a text, geocoded") << "geo:0,0?q=75+King+Street"
                                                   << "75 King Street S" << 43.4646 << -80.5221;
    QTest::newRow("OpenStreetMap marker") << "https://www.openstreetmap.org/?mlat=43.4668&mlon=-80.5164"
                                          << "" << 43.4668 << -80.5164;
}

void tst_HxPlaces::openUriOpensSharedLinks()
{
    QFETCH(QString, uri);
    QFETCH(QString, name);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    const Result result = run(QStringList { "open-uri", uri } + dataArguments());
    QCOMPARE(result.code, 0);
    const QJsonObject place = selectedPlace(result.out);
    QVERIFY2(!place.isEmpty(), result.out + result.err);
    QCOMPARE(place.value(QStringLiteral("name")).toString(), name);
    QVERIFY(qAbs(place.value(QStringLiteral("latitude")).toDouble() - latitude) < 1e-6);
    QVERIFY(qAbs(place.value(QStringLiteral("longitude")).toDouble() - longitude) < 1e-6);
}

void tst_HxPlaces::openUriRefusesWhatIsNotAPlace_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a latitude that is not a number") << "geo:abc,1"
                                                     << "not a latitude and a longitude";
    QTest::newRow("a latitude off the globe") << "geo:95,10;name=Nowhere"
                                              << "latitude is outside";
    QTest::newRow("infinity") << "geo:1,inf"
                              << "not a finite number";
    QTest::newRow("another reference system") << "geo:1,2;crs=utm"
                                              << "not wgs84";
    QTest::newRow("an empty query") << "geo:0,0?q="
                                    << "query is empty";
    QTest::newRow("a text nothing matches") << "geo:0,0?q=Atlantis"
                                            << "nothing was found";
    QTest::newRow("not a geo URI at all") << "mailto:someone@example.org"
                                          << "not read";
}

void tst_HxPlaces::openUriRefusesWhatIsNotAPlace()
{
    QFETCH(QString, uri);
    QFETCH(QString, reason);
    const Result result = run(QStringList { "open-uri", uri } + dataArguments());
    QCOMPARE(result.code, 1);
    QVERIFY(result.out.isEmpty());
    // One line of ours; the environment may add Qt's own notices.
    QList<QByteArray> ours;
    for (const QByteArray &line : result.err.split('\n')) {
        if (line.startsWith("hxplaces"))
            ours.append(line);
    }
    QVERIFY2(ours.size() == 1 && ours.first().startsWith("hxplaces: cannot open the link: ")
                 && ours.first().contains(reason.toUtf8()),
             result.err);
}

void tst_HxPlaces::whereAndGeocodePrintLocations_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("street");
    QTest::newRow("where takes a negative coordinate as a number, not an option")
        << QStringList { "where", "43.4646", "-80.5221" } << QStringLiteral("75 King Street S");
    QTest::newRow("geocode finds a street address")
        << QStringList { "geocode", "75 King" } << QStringLiteral("75 King Street S");
}

void tst_HxPlaces::whereAndGeocodePrintLocations()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, street);
    const Result result = run(arguments + dataArguments());
    QCOMPARE(result.code, 0);
    const QJsonArray locations = QJsonDocument::fromJson(result.out).array();
    QVERIFY2(!locations.isEmpty(), result.out + result.err);
    const QJsonObject first = locations.first().toObject();
    QCOMPARE(first.value(QStringLiteral("street")).toString(), street);
    QCOMPARE(first.value(QStringLiteral("city")).toString(), QStringLiteral("Waterloo"));
    QVERIFY(first.value(QStringLiteral("latitude")).isDouble());
    QVERIFY(first.value(QStringLiteral("longitude")).isDouble());
}

void tst_HxPlaces::viewAndMapOfStoredPlace()
{
    const hx::platform::places::Place favourite
        = StoreFixture::addFavorite(QStringLiteral("Uptown Square"), 43.4650, -80.5230);
    const QString id = QString::number(favourite.id());
    const Result view = run(QStringList { "view", id } + dataArguments());
    QCOMPARE(view.code, 0);
    QVERIFY(view.out.startsWith("Uptown Square\n"));
    QVERIFY(view.out.contains("43.465000, -80.523000"));

    const QString png = m_roots->path() + QStringLiteral("/map.png");
    const Result map = run(QStringList { "map", id, "--png", png } + dataArguments());
    QCOMPARE(map.code, 0);
    QImage image(png);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(768, 768));

    const Result missing = run(QStringList { "view", "999999" } + dataArguments());
    QCOMPARE(missing.code, 1);
    QVERIFY(missing.out.isEmpty());
}

void tst_HxPlaces::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command") << QStringList();
    QTest::newRow("an unknown command") << QStringList { "teleport" };
    QTest::newRow("where with one number") << QStringList { "where", "43.4" };
    QTest::newRow("where off the globe") << QStringList { "where", "91", "0" };
    QTest::newRow("pick with --type but no --choose") << QStringList { "pick", "--type", "waterl" };
    QTest::newRow("pick choosing row zero") << QStringList { "pick", "--type", "a", "--choose", "0" };
    QTest::newRow("an unknown option") << QStringList { "search", "x", "--fast" };
    QTest::newRow("--at that is not a position") << QStringList { "search", "x", "--at", "here" };
    QTest::newRow("view of a word") << QStringList { "view", "home" };
    QTest::newRow("map without --png") << QStringList { "map", "1" };
    QTest::newRow("a category that does not exist") << QStringList { "search", "x", "--category", "14" };
    QTest::newRow("units that are neither metric nor imperial") << QStringList { "search", "x", "--units", "cubits" };
}

void tst_HxPlaces::badArguments()
{
    QFETCH(QStringList, arguments);
    const Result result = run(arguments);
    QCOMPARE(result.code, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.contains("Usage: hxplaces"));
}

void tst_HxPlaces::helpForEveryCommand()
{
    // Help needs no store, no services and no valid arguments; each command names an option of its own.
    const QList<QPair<QString, QByteArray>> commands { { "pick", "--choose" },       { "search", "--category" },
                                                       { "share", "--store" },       { "open-uri", "--store" },
                                                       { "geocode", "--gazetteer" }, { "where", "--at" },
                                                       { "map", "--png" },           { "view", "--store" } };
    const Result overview = run({ "--help" });
    QCOMPARE(overview.code, 0);
    for (const auto &command : commands) {
        QVERIFY2(overview.out.contains(QStringLiteral("  %1 ").arg(command.first).toUtf8()), overview.out);
        const Result result = run({ command.first, "--help" });
        QCOMPARE(result.code, 0);
        QVERIFY2(result.out.startsWith(QStringLiteral("Usage: hxplaces %1 [options]").arg(command.first).toUtf8()),
                 result.out);
        QVERIFY2(result.out.contains(command.second), result.out);
    }
}

void tst_HxPlaces::unusableStore_data()
{
    QTest::addColumn<QByteArray>("content"); // null: a folder
    QTest::addColumn<QString>("message");
    const QString notAStore
        = QStringLiteral("it is not a place store but some other file, left as it is; give another path");
    QTest::newRow("a store file that is not a database") << QByteArray(4096, 'x') << notAStore;
    QTest::newRow("a store file cut short") << QByteArray("SQLite format 3\0", 16) << notAStore;
    QTest::newRow("a folder") << QByteArray()
                              << "it is a folder, not a store file; give the path of a file (it is made on first use)";
}

void tst_HxPlaces::unusableStore()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = m_roots->path() + QStringLiteral("/broken.db");
    if (content.isNull()) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const Result result = run({ "search", "waterl", "--store", path, "--gazetteer", m_roots->gazetteerPath() });
    QCOMPARE(result.code, 1);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(
        result.err.endsWith(QStringLiteral("hxplaces: %1: cannot use this store: %2\n").arg(path, message).toUtf8()),
        result.err);
    // Refused, not repaired: the file is left as it was.
    if (content.isNull()) {
        QVERIFY(QFileInfo(path).isDir());
        return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

void tst_HxPlaces::unreadableGazetteer_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::newRow("search") << QStringList { "search", "waterl" };
    QTest::newRow("where") << QStringList { "where", "43.4643", "-80.5204" };
    QTest::newRow("geocode") << QStringList { "geocode", "75 King Street" };
}

void tst_HxPlaces::unreadableGazetteer()
{
    QFETCH(QStringList, command);
    const QString path = m_roots->path() + QStringLiteral("/notes.db");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray("not a gazetteer\n").repeated(100)) > 0);
    file.close();
    const Result result = run(command + QStringList { "--store", m_roots->storePath(), "--gazetteer", path });
    QCOMPARE(result.code, 1);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.contains(
                 QStringLiteral("hxplaces: the gazetteer %1 cannot be read: not a database").arg(path).toUtf8()),
             result.err);
}

void tst_HxPlaces::aPickThatEndsWithoutAPlaceSaysWhy_data()
{
    QTest::addColumn<QString>("testCard"); // the test card answers in this mode; empty: the real card
    QTest::addColumn<QStringList>("pick");
    QTest::addColumn<QString>("store"); // "read-only", "locked" or as it is
    QTest::addColumn<QString>("message"); // %1: the store's path

    const QStringList choose { "--type", "waterl", "--choose", "2" };
    QTest::newRow("cancelled") << "" << QStringList { "--do", "action CancelPickerButton" } << ""
                               << "hxplaces: the pick was cancelled, so nothing was picked";
    QTest::newRow("read-only store")
        << "" << choose << "read-only"
        << "hxplaces: the pick could not be stored in %1: it is read-only: places can be searched but nothing can "
           "be stored; make it writable to store places";
    QTest::newRow("store locked by another program")
        << "" << choose << "locked"
        << "hxplaces: the pick could not be stored in %1: another program is writing to it; try again when it has "
           "finished";
    QTest::newRow("answer with id -1") << "unstored" << choose << ""
                                       << "hxplaces: the picker card answered with a place it had not stored (it has "
                                          "no id), so nothing was picked; pick again";
    QTest::newRow("answer too large")
        << "huge" << choose << ""
        << "hxplaces: the picker card's answer was too large to hand back, so nothing was picked; pick a place with "
           "less text";
}

void tst_HxPlaces::aPickThatEndsWithoutAPlaceSaysWhy()
{
    QFETCH(QString, testCard);
    QFETCH(QStringList, pick);
    QFETCH(QString, store);
    QFETCH(QString, message);
    const QString path = m_roots->storePath();
    const QStringList before = recentNames();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QTemporaryDir registry;
    if (!testCard.isEmpty()) {
        QFile entry(registry.filePath(QStringLiteral("sys.places.placepicker.json")));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write(QJsonDocument(QJsonObject { { "target", "sys.places.placepicker" },
                                                { "program", QStringLiteral(HX_TESTCARD_PATH) } })
                        .toJson());
        environment.insert(QStringLiteral("HX_CARD_REGISTRY"), registry.path());
        environment.insert(QStringLiteral("HX_TESTCARD_MODE"), testCard);
    }
    const QFileDevice::Permissions mode = QFile::permissions(path);
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (store == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(path, readOnly));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    sqlite3 *writer = nullptr;
    if (store == QLatin1String("locked")) {
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &writer), SQLITE_OK);
        QCOMPARE(sqlite3_exec(writer, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    }

    const Result result = run(QStringList { "pick" } + pick + dataArguments(), environment);
    if (writer) {
        sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(writer);
    }
    const QFileDevice::Permissions modeAfter = QFile::permissions(path);
    QFile::setPermissions(path, mode);
    QCOMPARE(result.code, 1);
    QVERIFY(result.out.isEmpty());
    // The test card logs as it likes; hxplaces' own line comes last.
    QVERIFY2(result.err.endsWith((QString(message).replace(QLatin1String("%1"), path) + QLatin1Char('\n')).toUtf8()),
             result.err);
    QCOMPARE(recentNames(), before);
    if (store == QLatin1String("read-only")) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        QCOMPARE(modeAfter & 0x7077, readOnly);
    }
}

void tst_HxPlaces::aCardWhoseCallerIsKilledStoresNothing_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGKILL") << int(SIGKILL);
    QTest::newRow("SIGTERM") << int(SIGTERM);
}

void tst_HxPlaces::aCardWhoseCallerIsKilledStoresNothing()
{
    QFETCH(int, signal);
    const QStringList before = recentNames();
    QProcess caller;
    caller.start(QStringLiteral(HX_HXPLACES),
                 QStringList { "pick", "--do", "type SearchField waterl", "--do", "wait 3000", "--do",
                               "tap-nth SearchList 2 ItemTitle" }
                     + dataArguments());
    QVERIFY(caller.waitForStarted());
    QList<qint64> cards;
    QTRY_VERIFY_WITH_TIMEOUT(!(cards = childrenOf(caller.processId())).isEmpty(), 60000);
    ::kill(caller.processId(), signal);
    QVERIFY(caller.waitForFinished(60000));
    // The card notices that nobody waits for it any more and ends without storing the pick.
    const auto ended = [&cards] {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(cards.first()));
        if (!stat.open(QIODevice::ReadOnly))
            return true;
        const QByteArray text = stat.readAll();
        return text.mid(text.lastIndexOf(')') + 2, 1) == "Z";
    };
    QTRY_VERIFY_WITH_TIMEOUT(ended(), 60000);
    QCOMPARE(recentNames(), before);
}

void tst_HxPlaces::temporaryFolderIsRemovedWhenTheRunIsEnded_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
    QTest::newRow("SIGKILL, then the next run") << int(SIGKILL);
}

void tst_HxPlaces::temporaryFolderIsRemovedWhenTheRunIsEnded()
{
    QFETCH(int, signal);
    const QDir temporary(m_roots->path() + QStringLiteral("/tmp"));
    QVERIFY(temporary.mkpath(QStringLiteral(".")));
    // A folder of the user's that only looks like ours stays.
    QVERIFY(temporary.mkpath(QStringLiteral("hxplaces-mine")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temporary.path());
    const auto sessions
        = [&temporary] { return temporary.entryList({ QStringLiteral("hxplaces-session-*") }, QDir::Dirs); };

    QProcess demo;
    demo.setProcessEnvironment(environment);
    demo.start(QStringLiteral(HX_HXPLACES),
               { "show", "search", "--demo", "--gazetteer", m_roots->gazetteerPath(), "--random", "1", "--steps",
                 "100000000", "--seconds", "3600" });
    QVERIFY(demo.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(
        sessions().size() == 1 && QFile::exists(temporary.filePath(sessions().first() + QStringLiteral("/places.db"))),
        60000);
    ::kill(demo.processId(), signal);
    QVERIFY(demo.waitForFinished(60000));
    QCOMPARE(demo.exitStatus(), QProcess::CrashExit);
    if (signal == SIGKILL) {
        QCOMPARE(sessions().size(), 1);
        QCOMPARE(run({ "search", "waterl", "--demo", "--gazetteer", m_roots->gazetteerPath() }, environment).code, 0);
    }
    // Qt's own runtime folder may appear beside them; only ours are looked at.
    QCOMPARE(temporary.entryList({ QStringLiteral("hxplaces-*") }, QDir::Dirs), QStringList { "hxplaces-mine" });
}

QString tst_HxPlaces::downsToFirstFooter(const QString &text, QByteArray *downs) const
{
    // Below the search field come the filter drop-down, then the rows; headers are not
    // stopped at, and sections before the first footer have no footer row.
    int footer = 2;
    for (const Section &section : modelSections(text)) {
        footer += section.names.size();
        if (!section.footer.isEmpty()) {
            *downs = Down.repeated(footer);
            return section.header;
        }
    }
    return QString();
}

Result tst_HxPlaces::runOnTerminal(const QList<QPair<QByteArray, QByteArray>> &steps, const QStringList &command) const
{
    QList<QByteArray> arguments { QByteArrayLiteral(HX_HXPLACES) };
    for (const QString &word : command + dataArguments())
        arguments.append(word.toUtf8());
    const hx::test::PseudoTerminal::Run run = hx::test::PseudoTerminal::run(arguments, steps);
    Result result;
    result.code = run.code;
    result.out = run.out;
    result.seen = run.seen;
    return result;
}

void tst_HxPlaces::interactiveFooterOpensCategoryAndCancelLeaves()
{
    QByteArray downs;
    QCOMPARE(downsToFirstFooter(QStringLiteral("wat"), &downs), QStringLiteral("HEADER_POI"));
    // The terminal is updated by differences: wait for the footer's symbol (the down arrow of
    // "More"). The category's whole list ends with the up arrow that folds it again; Tab reaches
    // the title bar's Cancel.
    const Result result
        = runOnTerminal({ { "SearchField", "wat" }, { "↓", downs }, { "", "\r" }, { "↑", Tab }, { "", "\r" } });
    QCOMPARE(result.code, 1);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.seen.contains("Waterlily"));
    QVERIFY(recentNames().isEmpty() || !recentNames().contains(QStringLiteral("Waterlily Café")));
}

void tst_HxPlaces::categoryListShowsWhatTheFooterHidesAndScrolls()
{
    QList<GazetteerEntry> entries;
    for (int i = 0; i < 150; ++i)
        entries.append(GazetteerFixture::poi(QStringLiteral("Bakery %1").arg(i, 3, 10, QLatin1Char('0')),
                                             43.40 + i * 0.001, -80.50, QStringLiteral("bakery"), 1000 - i));
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), entries));

    // The merged list shows a few rows under a "more" footer; its category lists them all, once
    // each, well past the filtered model's first load of 63.
    const Result merged = run(QStringList { "search", "bakery" } + dataArguments());
    QJsonObject collapsed;
    for (const QJsonValue &value : QJsonDocument::fromJson(merged.out).array()) {
        if (collapsed.isEmpty() && value.toObject().value(QStringLiteral("more")).toBool())
            collapsed = value.toObject();
    }
    QVERIFY2(collapsed.value(QStringLiteral("category")).toInt() > 0, merged.out);
    const Result whole
        = run(QStringList { "search", "bakery", "--category", QString::number(collapsed.value("category").toInt()) }
              + dataArguments());
    QCOMPARE(whole.code, 0);
    QStringList names;
    for (const Section &section : printedSections(whole.out)) {
        QVERIFY(section.footer.isEmpty());
        names += section.names;
    }
    QCOMPARE(names.size(), 150);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 150);
    for (const QJsonValue &row : collapsed.value(QStringLiteral("rows")).toArray())
        QVERIFY(names.contains(row.toObject().value(QStringLiteral("name")).toString()));
}

void tst_HxPlaces::interactiveMyLocation_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("picked");
    // A new dialog starts on its confirming button.
    QTest::newRow("Accept picks where the user stands") << QByteArray("\r") << true;
    QTest::newRow("Cancel goes back to the list") << QByteArray("\x1bOD\r") << false;
}

void tst_HxPlaces::interactiveMyLocation()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, picked);
    // "My Location" is the card's second action, after the title bar's Cancel.
    QList<QPair<QByteArray, QByteArray>> steps { { "My Location", Tab + Tab + "\r" }, { "Accept", answer } };
    if (!picked)
        steps.append(qMakePair(QByteArray("Type into field"), Tab + "\r"));
    const Result result = runOnTerminal(steps);
    QVERIFY(result.seen.contains("Your current location:"));
    if (!picked) {
        QCOMPARE(result.code, 1);
        QVERIFY(result.out.isEmpty());
        return;
    }
    QCOMPARE(result.code, 0);
    const QJsonObject place = selectedPlace(result.out);
    QVERIFY2(!place.isEmpty(), result.out);
    QVERIFY(qAbs(place.value(QStringLiteral("latitude")).toDouble() - 43.4643) < 0.01);
    QVERIFY(qAbs(place.value(QStringLiteral("longitude")).toDouble() + 80.5204) < 0.01);
    // A place without a name is named by its address.
    const QString name = place.value(QStringLiteral("name")).toString();
    QVERIFY(!name.isEmpty());
    QCOMPARE(name, place.value(QStringLiteral("address_label")).toString());
    QVERIFY(place.value(QStringLiteral("id")).toInt() > 0);
}

void tst_HxPlaces::interactivePickRedrawsOnResize()
{
    // The card follows the terminal's new size and stays the same page: two Downs from the
    // search field (past the filter) reach the list's first place, picked with Enter, stored
    // as a recent and printed as the library encodes it.
    const Result result = runOnTerminal({ { "SearchField", "wat" },
                                          { "ⓘ", QByteArray(hx::test::PseudoTerminal::ResizeStep) + "100x30" },
                                          { "Library", Down + Down + "\r" } });
    QCOMPARE(result.code, 0);
    const QJsonObject place = selectedPlace(result.out);
    const QString name = place.value(QStringLiteral("name")).toString();
    QCOMPARE(name, modelSections(QStringLiteral("wat")).first().names.first());
    QVERIFY(recentNames().contains(name));
    QCOMPARE(QString::fromUtf8(result.out.trimmed()), libraryJson(place.value(QStringLiteral("id")).toInt()));
}

void tst_HxPlaces::anUntitledSectionIsAPlainRule()
{
    // The addresses' section has no title: the terminal sets it off with a bare rule and the
    // JSON leaves the title out, rather than showing the section's key or an empty text.
    const Result searched = run(QStringList { "search", "75 King" } + dataArguments());
    QCOMPARE(searched.code, 0);
    QJsonObject addresses;
    for (const QJsonValue &value : QJsonDocument::fromJson(searched.out).array()) {
        if (value.toObject().value(QStringLiteral("header")).toString() == QLatin1String("HEADER_ADDRESS"))
            addresses = value.toObject();
    }
    QVERIFY2(!addresses.isEmpty(), searched.out);
    QVERIFY2(!addresses.contains(QStringLiteral("title")), searched.out);

    const Result shown = runOnTerminal({ { "SearchField", "75 King" }, { "──────", "\x03" } });
    QVERIFY2(shown.seen.contains("──────") && !shown.seen.contains("HEADER_ADDRESS"), shown.seen);
}

void tst_HxPlaces::showListsItsScreens()
{
    const Result result = run({ "show", "--list" });
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.split('\n').contains("dialogs"), result.out);
}

void tst_HxPlaces::showRunsSteps_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("gone");
    QTest::newRow("a tap opens a system dialog over the screen")
        << QStringList { "--do", "tap", "DuplicatePlace" }
        << QStringList { "Page \"DialogsScreen\"", "SystemDialog:", "Title: Duplicate Place",
                         "Buttons: <Cancel> <Replace>" }
        << QStringList { "Last answer: replace" };
    QTest::newRow("a dialog button answers it, and the screen shows the answer")
        << QStringList { "--do", "tap", "DuplicatePlace", "--do", "dialog", "Replace" }
        << QStringList { "Label \"Answer\": Last answer: replace the place" } << QStringList { "SystemDialog:" };
    QTest::newRow("a button is also found by its text; a step may be one quoted word")
        << QStringList { "--do", "tap Place not found", "--do", "dialog", "OK" }
        << QStringList { "Last answer: none yet" } << QStringList { "SystemDialog:" };
    QTest::newRow("a toolkit dialog's button")
        << QStringList { "--do", "tap", "CustomDialog", "--do", "dialog", "OK" }
        << QStringList { "Last answer: chose metric" } << QStringList { "\nDialog" };
    QTest::newRow("a language change re-applies an open dialog's texts")
        << QStringList { "--do", "tap", "DuplicatePlace", "--do", "language", "fr" }
        << QStringList { "Title: Lieu en double" } << QStringList { "Title: Duplicate Place" };
}

void tst_HxPlaces::showRunsSteps()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, gone);
    const Result result = run(QStringList { "show", "dialogs" } + steps + QStringList { "--dump" } + dataArguments());
    QCOMPARE(result.code, 0);
    for (const QString &text : shown)
        QVERIFY2(result.out.contains(text.toUtf8()), result.out + result.err);
    for (const QString &text : gone)
        QVERIFY2(!result.out.contains(text.toUtf8()), result.out);
}

void tst_HxPlaces::showStepThatCannotBeDone_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("message");
    // Exit 1 names what is on screen instead; exit 2 is a step that is not one.
    QTest::newRow("nothing of that name")
        << QStringList { "--do", "tap", "Teleport" } << 1 << QByteArray("buttons DuplicatePlace, DataServices");
    QTest::newRow("a dialog button with no dialog up")
        << QStringList { "--do", "dialog", "Replace" } << 1
        << QByteArray("dialog: no system dialog or toast shows a button \"Replace\"; on screen:");
    QTest::newRow("the dialog's buttons are named when another is asked for")
        << QStringList { "--do", "tap", "DuplicatePlace", "--do", "dialog", "Delete" } << 1
        << QByteArray("dialog buttons Cancel, Replace");
    QTest::newRow("a list that is not on screen") << QStringList { "--do", "tap-row", "Results", "1" } << 1
                                                  << QByteArray("tap-row: nothing named \"Results\" is on screen");
    QTest::newRow("an unknown step") << QStringList { "--do", "teleport", "home" } << 2
                                     << QByteArray("unknown step \"teleport\"");
    QTest::newRow("rows count from 1") << QStringList { "--do", "tap-row", "Results", "0" } << 2
                                       << QByteArray("rows from 1");
    QTest::newRow("a step without its words")
        << QStringList { "--do", "erase", "Name" } << 2 << QByteArray("takes 2 word(s), 1 given");
    QTest::newRow("a wait longer than a step can wait")
        << QStringList { "--do", "wait 99999999999" } << 2
        << QByteArray("step \"wait 99999999999\": a wait is a whole number of milliseconds, from 0 to 2147483647");
}

void tst_HxPlaces::showStepThatCannotBeDone()
{
    QFETCH(QStringList, steps);
    QFETCH(int, code);
    QFETCH(QByteArray, message);
    const Result result = run(QStringList { "show", "dialogs" } + steps + QStringList { "--dump" } + dataArguments());
    QCOMPARE(result.code, code);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.contains(message), result.err);
}

void tst_HxPlaces::dumpShowsControlCharactersAsTheTerminalViewDoes()
{
    // A name that would retitle and clear the terminal it is printed on.
    const QString name = QStringLiteral("Evil\x1b]0;PWNED\x07\x1b[2J\x9b");
    StoreFixture::addFavorite(name + QStringLiteral("Cafe"), 43.4643, -80.5204);
    const Result result
        = run(QStringList { "show", "search", "--do", "type SearchField Evil", "--dump" } + dataArguments());
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.contains("Evil^[]0;PWNED^G^[[2J~[Cafe"), result.out);
    for (const char control : { '\x1b', '\x07' })
        QVERIFY(!result.out.contains(control));
    QVERIFY(!QString::fromUtf8(result.out).contains(QChar(0x9b)));
}

void tst_HxPlaces::searchFieldTakesNoMoreThanASearchUses()
{
    const QByteArray typed(10000, 'x');
    const Result result
        = run(QStringList { "show", "search", "--do", "type SearchField " + QString::fromLatin1(typed), "--dump" }
              + dataArguments());
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.contains(typed.left(256)), result.out);
    QVERIFY(!result.out.contains(typed.left(257)));
}

void tst_HxPlaces::showWritesAPicture()
{
    const QString png = m_roots->path() + QStringLiteral("/dialogs.png");
    const Result result
        = run(QStringList { "show", "dialogs", "--do", "tap", "DuplicatePlace", "--png", png } + dataArguments());
    QCOMPARE(result.code, 0);
    QVERIFY(result.out.isEmpty());
    const QImage image(png);
    QCOMPARE(image.size(), QSize(720, 1280));
    // The open dialog dims the title bar behind it.
    QVERIFY(qGray(image.pixel(10, 10)) < 0x2b);
}

void tst_HxPlaces::showDialogsOnTheTerminal_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<QByteArray>("dialog");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("shown");
    // The highlight starts on the first button; a dialog's buttons are numbered from 1.
    QTest::newRow("a system dialog's second button")
        << QByteArray("\r") << QByteArray("Replace") << QByteArray("2") << QByteArray("replace the place");
    QTest::newRow("a custom dialog's first button")
        << QByteArray("\x1bOB").repeated(5) + "\r" << QByteArray("Distance units") << QByteArray("1")
        << QByteArray("chose metric");
}

void tst_HxPlaces::showDialogsOnTheTerminal()
{
    QFETCH(QByteArray, keys);
    QFETCH(QByteArray, dialog);
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, shown);
    const Result result
        = runOnTerminal({ { "Dialogs", keys }, { dialog, answer }, { shown, "\x03" } }, { "show", "dialogs" });
    QCOMPARE(result.code, 0);
    QVERIFY(result.out.isEmpty());
}

void tst_HxPlaces::usersStoreIsCreatedOnFirstUseAndReused()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString path = m_roots->path() + QStringLiteral("/user/data/places.db");
    environment.insert(QStringLiteral("HX_PLACES_DB"), path);
    const QStringList data { "--gazetteer", m_roots->gazetteerPath(), "--at", "43.4643,-80.5204" };
    const Result pick = run(QStringList { "pick", "--type", "waterl", "--choose", "1" } + data, environment);
    QCOMPARE(pick.code, 0);
    QVERIFY(QFileInfo(path).isFile());
    const qint64 id = selectedPlace(pick.out).value(QStringLiteral("id")).toVariant().toLongLong();
    QVERIFY2(id > 0, pick.out + pick.err);

    // The next run reads the same file: the place just picked can be shared.
    const Result share = run(QStringList { "share", QString::number(id) } + data, environment);
    QCOMPARE(share.code, 0);
    QVERIFY2(share.out.startsWith("geo:43.4"), share.out + share.err);
}

void tst_HxPlaces::quietUnlessVerbose_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("error"); // the one line on stderr; empty for none

    QTest::newRow("a pick prints its JSON only")
        << QStringList { "pick", "--type", "waterl", "--choose", "1" } << 0 << QByteArray();
    QTest::newRow("a screen prints its text only") << QStringList { "show", "dialogs", "--dump" } << 0 << QByteArray();
    QTest::newRow("a store error is one line of ours")
        << QStringList { "view", "999999" } << 1 << QByteArray("hxplaces: no stored place with id 999999");
}

void tst_HxPlaces::quietUnlessVerbose()
{
    QFETCH(QStringList, command);
    QFETCH(int, code);
    QFETCH(QByteArray, error);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    const Result quiet = run(command + dataArguments(), environment);
    QCOMPARE(quiet.code, code);
    if (error.isEmpty())
        QVERIFY2(quiet.err.isEmpty(), quiet.err);
    else
        QVERIFY2(quiet.err.startsWith(error) && quiet.err.count('\n') == 1, quiet.err);
    if (command.first() == QLatin1String("pick"))
        QCOMPARE(quiet.out.count('\n'), 1);
    // Asked for, the library's own lines come too; the answer stays the same.
    const Result verbose = run(command + QStringList { "--verbose" } + dataArguments(), environment);
    QCOMPARE(verbose.code, code);
    QVERIFY2(verbose.err.contains("PlaceUtils::init(): INFO") || verbose.err.contains("error = 5"), verbose.err);
    if (command.first() == QLatin1String("show"))
        QCOMPARE(verbose.out, quiet.out);
}

void tst_HxPlaces::showResultsOfASearch_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("answer");

    QTest::newRow("the name picks the place") << "ItemTitle"
                                              << "Picked: Café Pyrus";
    QTest::newRow("the circle asks for its details") << "MoreInfoCircle"
                                                     << "Details of: Café Pyrus";
}

void tst_HxPlaces::showResultsOfASearch()
{
    QFETCH(QString, part);
    QFETCH(QString, answer);

    StoreFixture::addFavorite(QStringLiteral("Café Pyrus"), 43.4643, -80.5204);
    const Result shown
        = run(QStringList { "show", "results", "pyrus", "--do", "tap-part", "Results", "2", part, "--dump" }
              + dataArguments());
    QCOMPARE(shown.code, 0);
    for (const QString &text : { QStringLiteral("[0] HEADER_MYPLACES: My Places"),
                                 QStringLiteral("[1] TYPE_MYPLACES: [img ic_poi.png] | [img CornerFavorite.png] | "
                                                "Café Pyrus"),
                                 QStringLiteral("Label \"Answer\": ") + answer })
        QVERIFY2(shown.out.contains(text.toUtf8()), shown.out + shown.err);
}

void tst_HxPlaces::showResultsOpensACategoryFromItsFooter()
{
    for (const char *name : { "Café Alpha", "Café Beta", "Café Gamma" })
        StoreFixture::addFavorite(QString::fromUtf8(name), 43.4643, -80.5204);
    const Result shown
        = run(QStringList { "show", "results", "café", "--do", "tap-part", "Results", "4", "Footer", "--dump" }
              + dataArguments());
    QCOMPARE(shown.code, 0);
    QVERIFY2(!shown.out.contains("FOOTER_MORE"), shown.out + shown.err);
    for (const char *name : { "| Café Alpha |", "| Café Beta |", "| Café Gamma |" })
        QVERIFY2(shown.out.contains(name), shown.out + shown.err);
}

void tst_HxPlaces::showSearchPicksFromTheList()
{
    StoreFixture::addFavorite(QStringLiteral("Café Pyrus"), 43.4643, -80.5204);
    const QStringList typed { "show", "search", "--do", "type", "SearchField", "pyr" };
    const Result listed = run(typed + QStringList { "--dump" } + dataArguments());
    QCOMPARE(listed.code, 0);
    QVERIFY2(listed.out.contains("ListView \"SearchList\": 2 rows"), listed.out + listed.err);
    QVERIFY2(listed.out.contains("| Café Pyrus |"), listed.out);

    const Result picked
        = run(typed + QStringList { "--do", "tap-part", "SearchList", "2", "ItemTitle", "--dump" } + dataArguments());
    QCOMPARE(picked.code, 0);
    QVERIFY2(picked.out.contains("Label \"Answer\": Map: 1 place(s): Café Pyrus"), picked.out + picked.err);
    QVERIFY2(!picked.out.contains("SearchList"), picked.out);
}

void tst_HxPlaces::showReviewsOfAStoredPlace()
{
    using namespace hx::platform::places;
    Place cafe = StoreFixture::makePlace(QStringLiteral("Café Pyrus"), 43.4643, -80.5204);
    PointOfInterestAuxiliaryData poi;
    poi.setProvider(Provider(QStringLiteral("Yelp")));
    poi.setRating(4.5);
    poi.setRatingCount(12);
    cafe.addAuxiliaryData(poi);
    ReviewAuxiliaryData review;
    review.setProvider(Provider(QStringLiteral("Yelp")));
    review.setAbstract(QStringLiteral("Great coffee"));
    review.setRating(5.0);
    review.setUserName(QStringLiteral("Ana"));
    review.setCreationTime(1700000000);
    cafe.addAuxiliaryData(review);
    PlaceManager manager;
    QCOMPARE(manager.addPlace(cafe), Error::None);

    const Result shown = run(QStringList { "show", "reviews", QString::number(cafe.id()), "--dump" } + dataArguments());
    QCOMPARE(shown.code, 0);
    for (const char *text :
         { "RatingDetails", "Café Pyrus", "(12 Reviews)", "Latest reviews", "\"Great coffee\"", "(Ana, 14-11-2023)" })
        QVERIFY2(shown.out.contains(text), shown.out + shown.err);

    const QString png = m_roots->path() + QStringLiteral("/reviews.png");
    const Result picture
        = run(QStringList { "show", "reviews", QString::number(cafe.id()), "--png", png } + dataArguments());
    QCOMPARE(picture.code, 0);
    QCOMPARE(QImage(png).size(), QSize(720, 1280));

    const Result missing = run(QStringList { "show", "reviews", "999999" } + dataArguments());
    QCOMPARE(missing.code, 1);
    QVERIFY2(missing.err.contains("no stored place with id 999999"), missing.err);
}

void tst_HxPlaces::showLocatingFindsTheAddress()
{
    // The session's location service stands at --at; the view names it from the gazetteer.
    const Result shown = run(QStringList { "show", "locating", "--do", "wait", "3000", "--dump" } + dataArguments());
    QCOMPARE(shown.code, 0);
    QVERIFY2(shown.out.contains("Finding your location"), shown.out + shown.err);
    QVERIFY2(shown.out.contains("You are at: "), shown.out + shown.err);
    // Once the address shows, the search is over and nothing spins.
    QVERIFY2(!shown.out.contains("ActivityIndicator \"LocatingSpinner\": running"), shown.out);

    const QString png = m_roots->path() + QStringLiteral("/locating.png");
    const Result picture = run(QStringList { "show", "locating", "--png", png } + dataArguments());
    QCOMPARE(picture.code, 0);
    QCOMPARE(QImage(png).size(), QSize(720, 1280));
}

void tst_HxPlaces::showNewSavesAFavourite()
{
    const Result shown
        = run(QStringList { "show", "new", "--do", "type", "NameField", "Campus", "--do", "type", "AddressField",
                            "200 University Ave W", "--do", "action", "SaveAction", "--do", "wait", "2000", "--dump" }
              + dataArguments());
    QCOMPARE(shown.code, 0);
    QVERIFY2(shown.out.contains("Saved as place "), shown.out + shown.err);
    QVERIFY2(shown.out.contains("TextField \"AddressField\": [200 University Ave W]"), shown.out);
}

void tst_HxPlaces::showEditOpensAStoredPlace()
{
    const hx::platform::places::Place library = StoreFixture::addFavorite(QStringLiteral("Library"), 43.468, -80.54);
    const Result shown
        = run(QStringList { "show", "edit", QString::number(library.id()), "--do", "erase", "NameField", "7", "--dump" }
              + dataArguments());
    QVERIFY2(shown.code == 0, qPrintable(shown.err));
    QVERIFY2(shown.out.contains("Place Name*"), shown.out + shown.err);
    QVERIFY2(shown.out.contains("(error: A place name is required to save this as a favorite)"), shown.out);

    const QString png = m_roots->path() + QStringLiteral("/edit.png");
    QCOMPARE(run(QStringList { "show", "edit", QString::number(library.id()), "--png", png } + dataArguments()).code,
             0);
    QCOMPARE(QImage(png).size(), QSize(720, 1280));
    QCOMPARE(run(QStringList { "show", "edit", "999999" } + dataArguments()).code, 1);
}

void tst_HxPlaces::showScreensFollowTheLanguage_data()
{
    QTest::addColumn<QStringList>("screen");
    QTest::addColumn<QStringList>("later");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("gone");

    QTest::newRow("the new-place editor's title bar")
        << QStringList { "new" } << QStringList() << QStringList { "Title: Nouveau lieu", "[Enregistrer (disabled)]" }
        << QStringList { "New Place", "[Save" };
    QTest::newRow("a stored place's editor") << QStringList { "edit", "LIBRARY" } << QStringList()
                                             << QStringList { "Title: Modifier" } << QStringList { "Title: Edit" };
    QTest::newRow("the locating view and the address it finds")
        << QStringList { "locating" } << QStringList { "--do", "wait", "3000" }
        << QStringList { "Title: Localisation", "Recherche de votre position", "Vous êtes ici : " }
        << QStringList { "Finding your location", "You are at" };
    QTest::newRow("the map's search bar")
        << QStringList { "search" } << QStringList() << QStringList { "Title: Carte", "(hint: Rechercher)" }
        << QStringList { "Title: Map" };
    QTest::newRow("the assistant card's document")
        << QStringList { "fullview", "LIBRARY" } << QStringList()
        << QStringList { "Title: Carte de l’assistant", "Voici ce que j’ai trouvé" }
        << QStringList { "Assistant card", "Here is what I found" };
    QTest::newRow("the local search's document")
        << QStringList { "localsearch", "library" } << QStringList()
        << QStringList { "Title: Recherche locale", "Près de votre destination" }
        << QStringList { "Local search", "Near your destination" };
}

void tst_HxPlaces::showScreensFollowTheLanguage()
{
    QFETCH(QStringList, screen);
    QFETCH(QStringList, later);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, gone);

    const hx::platform::places::Place library = StoreFixture::addFavorite(QStringLiteral("Library"), 43.468, -80.54);
    screen.replaceInStrings(QStringLiteral("LIBRARY"), QString::number(library.id()));
    const Result result = run(QStringList { "show" } + screen + QStringList { "--do", "language", "fr" } + later
                              + QStringList { "--dump" } + dataArguments());
    QCOMPARE(result.code, 0);
    for (const QString &text : shown)
        QVERIFY2(result.out.contains(text.toUtf8()), result.out + result.err);
    for (const QString &text : gone)
        QVERIFY2(!result.out.contains(text.toUtf8()), result.out);
}

void tst_HxPlaces::showDetailsOfAStoredPlace()
{
    using namespace hx::platform::places;
    Place cafe = StoreFixture::makePlace(QStringLiteral("Café Pyrus"), 43.4723, -80.5449,
                                         QStringLiteral("200 University Avenue West"), QStringLiteral("Waterloo"));
    cafe.setSource(AbstractPlace::SourceGeocodeService);
    PointOfInterestAuxiliaryData poi;
    poi.setPhoneNumber(QStringLiteral("+1 519-555-0100"));
    poi.setPriceRange(QStringLiteral("$$"));
    cafe.addAuxiliaryData(poi);
    PlaceManager manager;
    QCOMPARE(manager.addPlace(cafe), Error::None);

    const QStringList show { "show", "details", QString::number(cafe.id()) };
    const Result shown = run(show + QStringList { "--dump" } + dataArguments());
    QCOMPARE(shown.code, 0);
    for (const char *text :
         { "Café Pyrus", "MapImage", "200 University Avenue West", "Phone Number", "+1 519-555-0100", "Price Range" })
        QVERIFY2(shown.out.contains(text), shown.out + shown.err);

    const QString png = m_roots->path() + QStringLiteral("/details.png");
    const Result picture = run(show + QStringList { "--png", png } + dataArguments());
    QCOMPARE(picture.code, 0);
    QCOMPARE(QImage(png).size(), QSize(720, 1280));

    const Result missing = run(QStringList { "show", "details", "999999" } + dataArguments());
    QCOMPARE(missing.code, 1);
    QVERIFY2(missing.err.contains("no stored place with id 999999"), missing.err);
}

void tst_HxPlaces::showCardAndPreviewOfAStoredPlace_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("favorite");
    QTest::newRow("the card's favourite action changes the store")
        << "place" << QStringList { "--do", "action", "Unfavorite" }
        << QStringList { "Café Nord", "MapImage", "Favorite", "Go (focused)", "Plan Route" } << false;
    QTest::newRow("the preview's Select leaves the place as it was")
        << "preview" << QStringList { "--do", "action", "Select" }
        << QStringList { "Café Nord", "MapImage", "Select (focused) (signature)" } << true;
    QTest::newRow("the universal-search preview's favourite action changes the store")
        << "uspreview" << QStringList { "--do", "action", "Unfavorite" }
        << QStringList { "Café Nord", "MapImage", "Go (signature)", "Favorite", "Share" } << false;
    QTest::newRow("the assistant card in the application's document")
        << "fullview" << QStringList() << QStringList { "Here is what I found", "MapImage" } << true;
}

void tst_HxPlaces::showCardAndPreviewOfAStoredPlace()
{
    using namespace hx::platform::places;
    QFETCH(QString, screen);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(bool, favorite);
    const Place cafe = StoreFixture::addFavorite(QStringLiteral("Café Nord"), 43.4643, -80.5204);
    const QStringList show { "show", screen, QString::number(cafe.id()) };
    const Result result = run(show + steps + QStringList { "--dump" } + dataArguments());
    QCOMPARE(result.code, 0);
    for (const QString &text : qAsConst(shown))
        QVERIFY2(result.out.contains(text.toUtf8()), result.out + result.err);
    PlaceManager manager;
    Error::Type error = Error::None;
    QScopedPointer<Place> stored(manager.getPlace(cafe.id(), error));
    QVERIFY(stored);
    QCOMPARE(stored->isFavorite(), favorite);

    const QString png = m_roots->path() + QStringLiteral("/%1.png").arg(screen);
    const Result picture = run(show + QStringList { "--png", png } + dataArguments());
    QCOMPARE(picture.code, 0);
    QCOMPARE(QImage(png).size(), QSize(720, 1280));
}

void tst_HxPlaces::showSharePreviewOfAPlaceUrl()
{
    const Result result = run(
        QStringList { "show", "sharepreview", "hxplaces:place?name=Lumen%20Coffee&lat=43.4643&lon=-80.5204", "--dump" }
        + dataArguments());
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.contains("Lumen Coffee"), result.out + result.err);
    QVERIFY2(result.out.contains("Go (signature)"), result.out + result.err);
    // Shared with a position: kept as a recent place.
    QVERIFY(recentNames().contains(QStringLiteral("Lumen Coffee")));
}

void tst_HxPlaces::showMyPlacesRunsSteps_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("gone");

    const QStringList favorites { "--do", "choose", "TitleBarTab", "1" };
    QTest::newRow("the Favorites tab lists the favourites")
        << favorites << QStringList { "*Favorites*", "| Café Nord |", "| Laurel Creek Park |" }
        << QStringList { "Kitchener Market" };
    QTest::newRow("an unfavourite shows its toast and leaves the list")
        << favorites + QStringList { "--do", "menu", "MyPlacesList", "1", "Unfavorite" }
        << QStringList { "Body: Favorite Removed!", "Buttons: <Undo>" } << QStringList { "| Café Nord |" };
    QTest::newRow("Undo brings the favourite back")
        << favorites + QStringList { "--do", "menu", "MyPlacesList", "1", "Unfavorite", "--do", "dialog", "Undo" }
        << QStringList { "| Café Nord |", "| Laurel Creek Park |" } << QStringList { "Favorite Removed!" };
    QTest::newRow("a row's Go is handed to the application")
        << favorites + QStringList { "--do", "menu", "MyPlacesList", "1", "Go" }
        << QStringList { "Label \"Answer\": Application: Go to Café Nord" } << QStringList {};
    QTest::newRow("the Contacts tab lists the contacts with an address")
        << QStringList { "--do", "choose", "TitleBarTab", "2" } << QStringList { "| Ada Lovelace |", "| Alan Turing |" }
        << QStringList { "Café Nord" };
}

void tst_HxPlaces::showMyPlacesRunsSteps()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, gone);
    const Result result = run(QStringList { "show", "myplaces" } + steps + QStringList { "--dump" } + dataArguments());
    QCOMPARE(result.code, 0);
    for (const QString &text : shown)
        QVERIFY2(result.out.contains(text.toUtf8()), result.out + result.err);
    for (const QString &text : gone)
        QVERIFY2(!result.out.contains(text.toUtf8()), result.out);
}

void tst_HxPlaces::showMyPlacesFiltersWhatIsTypedOnAKeyboard()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HX_PHYSICAL_KEYBOARD"), QStringLiteral("1"));
    const QStringList steps { "--do", "choose", "TitleBarTab", "1", "--do", "keys", "laurel", "--dump" };
    const Result result = run(QStringList { "show", "myplaces" } + steps + dataArguments(), environment);
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.contains("TextField \"FilterField\": [laurel]"), result.out + result.err);
    QVERIFY2(result.out.contains("| Laurel Creek Park |"), result.out);
    QVERIFY2(!result.out.contains("Café Nord"), result.out);

    // The same screen as a picture, the filter bar and all.
    const QString png = m_roots->path() + QStringLiteral("/myplaces.png");
    const Result picture = run(QStringList { "show", "myplaces" } + steps.mid(0, steps.size() - 1)
                                   + QStringList { "--png", png } + dataArguments(),
                               environment);
    QCOMPARE(picture.code, 0);
    QCOMPARE(QImage(png).size(), QSize(720, 1280));

    // A touch-only phone has no keys to type.
    const Result touch = run(QStringList { "show", "myplaces" } + steps + dataArguments());
    QCOMPARE(touch.code, 1);
    QVERIFY2(touch.err.contains("the device has no physical keyboard"), touch.err);
}

void tst_HxPlaces::showMyPlacesUndoesOnTheTerminal()
{
    // The tabs come first: Down and Enter choose Favorites; two Downs reach its first row, F2 opens
    // the row's menu, six Downs reach Unfavorite; Ctrl-T presses the toast's Undo.
    const QByteArray down("\x1bOB");
    const Result result = runOnTerminal({ { "Kitchener Market", down + "\r" },
                                          { "Laurel Creek Park", down + down + "\x1bOQ" },
                                          { "Unfavorite", down.repeated(6) + "\r" },
                                          { "Ctrl-T Undo", "\x14" },
                                          { "Type into field", "\x03" } },
                                        { "show", "myplaces" });
    QCOMPARE(result.code, 0);
    QVERIFY2(result.seen.contains("Favorite Removed!"), result.seen.right(2000));
    // The toast has gone, and the place is back among the favourites in the store.
    QVERIFY(favoriteNames().contains(QStringLiteral("Café Nord")));
}

void tst_HxPlaces::showNewSelectorAddsWorkFromAPointOfInterest()
{
    const Result shown
        = run(QStringList { "show", "newselector", "work", "--do", "type", "SearchField", "library", "--do", "tap-part",
                            "SearchList", "2", "ItemTitle", "--do", "wait", "500", "--dump" }
              + dataArguments());
    QCOMPARE(shown.code, 0);
    for (const char *text : { "Label \"TitleBarViewTitle\": Work", "Delete Work", "Added to Favorites!",
                              "Label \"Answer\": My Places: place updated" })
        QVERIFY2(shown.out.contains(text), shown.out + shown.err);

    const QString png = m_roots->path() + QStringLiteral("/newselector.png");
    const Result picture = run(QStringList { "show", "newselector", "--png", png } + dataArguments());
    QCOMPARE(picture.code, 0);
    QCOMPARE(QImage(png).size(), QSize(720, 1280));
}

void tst_HxPlaces::showNewSelectorTakesAKindOfPlace_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("shown");

    QTest::newRow("no kind adds a favourite") << QStringList() << 0 << QByteArray("Title: Add Favorite");
    QTest::newRow("home") << QStringList { "home" } << 0 << QByteArray("Title: Add Home");
    QTest::newRow("another word") << QStringList { "office" } << 1
                                  << QByteArray("the newselector screen takes home, work or favorite");
}

void tst_HxPlaces::showNewSelectorTakesAKindOfPlace()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QByteArray, shown);
    const Result result
        = run(QStringList { "show", "newselector" } + arguments + QStringList { "--dump" } + dataArguments());
    QCOMPARE(result.code, code);
    QVERIFY2((code == 0 ? result.out : result.err).contains(shown), result.out + result.err);
}

void tst_HxPlaces::showLocalSearchNearADestination_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("gone");
    const QStringList wait { "--do", "wait", "2000" };
    QTest::newRow("places near a geocoded address")
        << QStringList { "waterloo", "--near", "200 University Ave W" } + wait
        << QStringList { "Label \"Answer\": Reading out \"waterloo\"", "ListView \"LocalSearchPlaceList\"",
                         "Waterloo Public Library" }
        << QStringList { "No Results Found" };
    QTest::newRow("a contact near a position")
        << QStringList { "ada", "--near", "43.4643,-80.5204" } + wait
        << QStringList { "Reading out \"ada\"; contacts: Ada Lovelace", "--- Contacts ---",
                         "ListView \"LocalSearchContactList\"" }
        << QStringList { "No Results Found" };
    // Without a step: the first screen already holds the answer to the phone's fix.
    QTest::newRow("nothing near the phone")
        << QStringList { "zzyzx" } << QStringList { "Label \"Answer\": Nothing found", "No Results Found" }
        << QStringList { "ListView" };
    QTest::newRow("a tapped place opens its card")
        << QStringList { "waterloo", "--near", "43.4643,-80.5204" } + wait
            + QStringList { "--do", "tap-row", "LocalSearchPlaceList", "2" }
        << QStringList { "Page \"PlaceViewPage\"", "Waterloo Station" } << QStringList { "LocalSearchPage" };
    QTest::newRow("back from the card shows the lists again")
        << QStringList { "waterloo", "--near", "43.4643,-80.5204" } + wait
            + QStringList { "--do", "tap-row", "LocalSearchPlaceList", "2", "--do", "back" } + wait
        << QStringList { "Page \"LocalSearchPage\"", "Reading out \"waterloo\"", "Waterloo Station" }
        << QStringList { "PlaceViewPage" };
}

void tst_HxPlaces::showLocalSearchNearADestination()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, gone);
    const Result result
        = run(QStringList { "show", "localsearch" } + arguments + QStringList { "--dump" } + dataArguments());
    QCOMPARE(result.code, 0);
    for (const QString &line : shown)
        QVERIFY2(result.out.contains(line.toUtf8()), result.out + result.err);
    for (const QString &line : gone)
        QVERIFY2(!result.out.contains(line.toUtf8()), result.out + result.err);
}

void tst_HxPlaces::showLocalSearchWritesAPicture()
{
    const QString png = m_roots->path() + QStringLiteral("/localsearch.png");
    const Result picture = run(QStringList { "show", "localsearch", "zzyzx", "--near", "43.4643,-80.5204", "--do",
                                             "wait", "500", "--png", png }
                               + dataArguments());
    QCOMPARE(picture.code, 0);
    QCOMPARE(QImage(png).size(), QSize(720, 1280));
    const Result bare = run(QStringList { "show", "localsearch", "--dump" } + dataArguments());
    QCOMPARE(bare.code, 1);
    QVERIFY2(bare.err.contains("the localsearch screen takes the text to search for"), bare.err);
}

QTEST_GUILESS_MAIN(tst_HxPlaces)
#include "tst_hxplaces.moc"
