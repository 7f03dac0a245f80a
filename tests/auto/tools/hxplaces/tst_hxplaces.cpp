#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/searchhandle.h>

#include <gazetteerfixture.h>
#include <storefixture.h>
#include <testroots.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtTest/QtTest>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using hx::platform::places::GazetteerEntry;
using hx::test::GazetteerFixture;
using hx::test::StoreFixture;

namespace {

struct Result
{
    int code = -1;
    QByteArray out;
    QByteArray err;
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

} // namespace

class tst_HxPlaces : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void scriptedPickIsStoredAsRecent();
    void searchPrintsSections();
    void whereAndGeocodePrintLocations_data();
    void whereAndGeocodePrintLocations();
    void viewAndMapOfStoredPlace();
    void badArguments_data();
    void badArguments();
    void unusableStore_data();
    void unusableStore();
    void interactivePick();
    void interactiveEscapePrintsNothing();

private:
    Result run(const QStringList &arguments) const;
    QStringList dataArguments() const;
    // Runs the picker on a pseudo-terminal with stdout on a pipe; keys are sent once the
    // screen shows waitFor.
    Result runOnTerminal(const QList<QPair<QByteArray, QByteArray>> &steps) const;

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
    return { QStringLiteral("--store"), m_roots->storePath(),   QStringLiteral("--gazetteer"),
             m_roots->gazetteerPath(),  QStringLiteral("--at"), QStringLiteral("43.4643,-80.5204") };
}

Result tst_HxPlaces::run(const QStringList &arguments) const
{
    QProcess process;
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
    return result;
}

void tst_HxPlaces::scriptedPickIsStoredAsRecent()
{
    // With the fixture's recent "Waterloo Station", My Places show two rows on top.
    StoreFixture::addFavorite(QStringLiteral("Waterloo Town Square"), 43.4647, -80.5228);
    const Result result = run(QStringList { QStringLiteral("pick"), QStringLiteral("--type"), QStringLiteral("waterl"),
                                            QStringLiteral("--choose"), QStringLiteral("2") }
                              + dataArguments());
    QCOMPARE(result.code, 0);
    const QJsonObject place = selectedPlace(result.out);
    QVERIFY2(!place.isEmpty(), result.out + result.err);
    const QString name = place.value(QStringLiteral("name")).toString();
    QVERIFY(!name.isEmpty());
    QVERIFY2(place.value(QStringLiteral("latitude")).isDouble(), result.out + result.err);
    QVERIFY(place.value(QStringLiteral("longitude")).isDouble());
    QVERIFY(qAbs(place.value(QStringLiteral("latitude")).toDouble() - 43.46) < 0.1);
    QVERIFY(place.value(QStringLiteral("id")).toInt() > 0);

    hx::platform::places::InternalPlaceManager manager;
    hx::platform::places::Error::Type error = hx::platform::places::Error::None;
    hx::platform::places::SearchHandle handle;
    const QList<hx::platform::places::PlaceHeader *> recents = manager.findRecentlyPickedPlaces(error, handle, 0, 50);
    QStringList names;
    for (const hx::platform::places::PlaceHeader *header : recents)
        names.append(header->name());
    qDeleteAll(recents);
    QCOMPARE(error, hx::platform::places::Error::None);
    QVERIFY2(names.contains(name), qPrintable(names.join(QStringLiteral(", "))));
}

void tst_HxPlaces::searchPrintsSections()
{
    const Result result = run(QStringList { QStringLiteral("search"), QStringLiteral("waterl") } + dataArguments());
    QCOMPARE(result.code, 0);
    const QJsonArray sections = QJsonDocument::fromJson(result.out).array();
    QVERIFY2(!sections.isEmpty(), result.out + result.err);
    int rows = 0;
    for (const QJsonValue &value : sections) {
        const QJsonObject section = value.toObject();
        QVERIFY(section.value(QStringLiteral("header")).toString().startsWith(QLatin1String("HEADER_")));
        const QJsonArray sectionRows = section.value(QStringLiteral("rows")).toArray();
        QVERIFY(!sectionRows.isEmpty());
        // Collapsed: two rows and a footer at most, suggestions apart.
        if (section.value(QStringLiteral("group")).toInt() != 11)
            QVERIFY(sectionRows.size() <= 2);
        rows += sectionRows.size();
    }
    QVERIFY(rows >= 2);
    // The user's own places come first.
    QCOMPARE(sections.first().toObject().value(QStringLiteral("header")).toString(), QStringLiteral("HEADER_MYPLACES"));
}

void tst_HxPlaces::whereAndGeocodePrintLocations_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("street");
    QTest::newRow("where at the university gives its address first")
        << QStringList { QStringLiteral("where"), QStringLiteral("43.4724"), QStringLiteral("-80.5448") }
        << QStringLiteral("200 University Ave W");
    QTest::newRow("a negative latitude is a number, not an option")
        << QStringList { QStringLiteral("where"), QStringLiteral("43.4646"), QStringLiteral("-80.5221") }
        << QStringLiteral("75 King Street S");
    QTest::newRow("geocode finds a street address")
        << QStringList { QStringLiteral("geocode"), QStringLiteral("75 King") } << QStringLiteral("75 King Street S");
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
    const Result view = run(QStringList { QStringLiteral("view"), id } + dataArguments());
    QCOMPARE(view.code, 0);
    QVERIFY(view.out.startsWith("Uptown Square\n"));
    QVERIFY(view.out.contains("43.465000, -80.523000"));

    const QString png = m_roots->path() + QStringLiteral("/map.png");
    const Result map = run(QStringList { QStringLiteral("map"), id, QStringLiteral("--png"), png } + dataArguments());
    QCOMPARE(map.code, 0);
    QImage image(png);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(768, 768));

    const Result missing = run(QStringList { QStringLiteral("view"), QStringLiteral("999999") } + dataArguments());
    QCOMPARE(missing.code, 1);
    QVERIFY(missing.out.isEmpty());
}

void tst_HxPlaces::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command") << QStringList();
    QTest::newRow("an unknown command") << QStringList { QStringLiteral("teleport") };
    QTest::newRow("where with one number") << QStringList { QStringLiteral("where"), QStringLiteral("43.4") };
    QTest::newRow("where with words") << QStringList { QStringLiteral("where"), QStringLiteral("north"),
                                                       QStringLiteral("west") };
    QTest::newRow("where off the globe") << QStringList { QStringLiteral("where"), QStringLiteral("91"),
                                                          QStringLiteral("0") };
    QTest::newRow("pick with --type but no --choose")
        << QStringList { QStringLiteral("pick"), QStringLiteral("--type"), QStringLiteral("waterl") };
    QTest::newRow("pick choosing row zero")
        << QStringList { QStringLiteral("pick"), QStringLiteral("--type"), QStringLiteral("a"),
                         QStringLiteral("--choose"), QStringLiteral("0") };
    QTest::newRow("an unknown option") << QStringList { QStringLiteral("search"), QStringLiteral("x"),
                                                        QStringLiteral("--fast") };
    QTest::newRow("--at that is not a position") << QStringList { QStringLiteral("search"), QStringLiteral("x"),
                                                                  QStringLiteral("--at"), QStringLiteral("here") };
    QTest::newRow("view of a word") << QStringList { QStringLiteral("view"), QStringLiteral("home") };
    QTest::newRow("map without --png") << QStringList { QStringLiteral("map"), QStringLiteral("1") };
}

void tst_HxPlaces::badArguments()
{
    QFETCH(QStringList, arguments);
    const Result result = run(arguments);
    QCOMPARE(result.code, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.contains("Usage: hxplaces"));
}

void tst_HxPlaces::unusableStore_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("a store file that is not a database") << QByteArray(4096, 'x') << true;
    QTest::newRow("a store file cut short") << QByteArray("SQLite format 3\0", 16) << true;
    QTest::newRow("a store file that does not exist") << QByteArray() << false;
}

void tst_HxPlaces::unusableStore()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    const QString path = m_roots->path() + QStringLiteral("/broken.db");
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const Result result = run({ QStringLiteral("search"), QStringLiteral("waterl"), QStringLiteral("--store"), path,
                                QStringLiteral("--gazetteer"), m_roots->gazetteerPath() });
    QCOMPARE(result.code, 1);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.contains(path.toUtf8()), result.err);
    if (exists) {
        // Refused, not repaired: the file is left as it was.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
}

Result tst_HxPlaces::runOnTerminal(const QList<QPair<QByteArray, QByteArray>> &steps) const
{
    Result result;
    int jsonPipe[2];
    if (pipe(jsonPipe) != 0)
        return result;
    QList<QByteArray> arguments { QByteArrayLiteral(HX_HXPLACES), QByteArrayLiteral("pick") };
    for (const QString &argument : dataArguments())
        arguments.append(argument.toUtf8());
    // Built before the fork: the child of a threaded process may only exec.
    QList<QByteArray> environment { QByteArrayLiteral("TERM=xterm") };
    for (char **variable = environ; *variable; ++variable) {
        if (qstrncmp(*variable, "TERM=", 5) != 0)
            environment.append(QByteArray(*variable));
    }
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (QByteArray &variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    struct winsize size = {};
    size.ws_row = 24;
    size.ws_col = 80;
    int master = -1;
    const pid_t child = forkpty(&master, nullptr, nullptr, &size);
    if (child == 0) {
        dup2(jsonPipe[1], STDOUT_FILENO);
        close(jsonPipe[0]);
        close(jsonPipe[1]);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(jsonPipe[1]);
    if (child < 0) {
        close(jsonPipe[0]);
        return result;
    }

    // Everything the picker draws, so each step can wait for what the user would see.
    QByteArray screen;
    const auto readScreen = [&](int timeoutMs) {
        pollfd descriptor = { master, POLLIN, 0 };
        if (poll(&descriptor, 1, timeoutMs) > 0) {
            char buffer[4096];
            const ssize_t count = read(master, buffer, sizeof buffer);
            if (count > 0)
                screen.append(buffer, int(count));
        }
    };
    for (const auto &step : steps) {
        QElapsedTimer timer;
        timer.start();
        while (!screen.contains(step.first) && timer.elapsed() < 15000)
            readScreen(100);
        if (!screen.contains(step.first)) {
            qWarning() << "the picker never showed" << step.first;
            break;
        }
        screen.clear();
        if (write(master, step.second.constData(), size_t(step.second.size())) != step.second.size())
            break;
    }

    QElapsedTimer timer;
    timer.start();
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        readScreen(50);
        if (timer.elapsed() > 15000) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
    }
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    char buffer[8192];
    ssize_t count;
    while ((count = read(jsonPipe[0], buffer, sizeof buffer)) > 0)
        result.out.append(buffer, int(count));
    close(jsonPipe[0]);
    close(master);
    return result;
}

void tst_HxPlaces::interactivePick()
{
    // Type, wait for the list, go down from "My Location" to the first place and pick it.
    const Result result = runOnTerminal({ { "Search:", "waterl" }, { "Waterloo", "\x1bOB" }, { "", "\r" } });
    QCOMPARE(result.code, 0);
    const QJsonObject place = selectedPlace(result.out);
    QVERIFY2(!place.isEmpty(), result.out);
    QVERIFY(place.value(QStringLiteral("name")).toString().contains(QLatin1String("Waterloo")));
    QVERIFY(place.value(QStringLiteral("latitude")).isDouble());
}

void tst_HxPlaces::interactiveEscapePrintsNothing()
{
    const Result result = runOnTerminal({ { "Search:", "\x1b" } });
    QCOMPARE(result.code, 1);
    QVERIFY(result.out.isEmpty());
}

QTEST_GUILESS_MAIN(tst_HxPlaces)
#include "tst_hxplaces.moc"
