#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/places/placemanagerui.h>

#include <gazetteerfixture.h>
#include <storefixture.h>
#include <storeintegrity.h>
#include <testroots.h>

#include <QtCore/QProcess>
#include <QtCore/QRandomGenerator>
#include <QtCore/QScopedPointer>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using namespace hx::test;
using hx::trellan::places::PlaceManagerUI;

namespace {

// Every screen "hxplaces show" opens, with its arguments; "ID" stands for a stored favourite.
// A new screen gets a line here.
const QList<QStringList> &screens()
{
    static const QList<QStringList> list {
        { "dialogs" },
        { "results", "waterloo" },
        { "search" },
        { "selector" },
        { "reviews", "ID" },
        { "details", "ID" },
        { "place", "ID" },
        { "preview", "ID" },
        { "locating" },
        { "edit", "ID" },
        { "new" },
        { "fullview", "ID", "1" },
        { "sharepreview", "hxplaces:place?name=Lumen%20Coffee&lat=43.4643&lon=-80.5204" },
        { "uspreview", "ID" },
        { "newselector", "home" },
        { "myplaces" },
        { "localsearch", "cafe", "--near", "43.4643,-80.5204" },
    };
    return list;
}

int setting(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

QString lastLines(const QString &text, int count)
{
    return text.split(QLatin1Char('\n')).mid(qMax(0, text.count(QLatin1Char('\n')) - count)).join(QLatin1Char('\n'));
}

} // namespace

// A user who presses anything on each screen: the program survives, the store stays sound and
// every place the user saved is still there afterwards. The run is bounded by HX_RANDOM_STEPS
// and HX_RANDOM_SECONDS per screen (make soak raises both); HX_RANDOM_SEED replays a run.
class tst_RandomUser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void anyStepOnAnyScreen_data();
    void anyStepOnAnyScreen();
    void cleanupTestCase();

private:
    quint32 m_seed = 0;
    int m_steps = 0;
    int m_screens = 0;
    int m_kept = 0;
};

void tst_RandomUser::initTestCase()
{
    bool ok = false;
    m_seed = qEnvironmentVariable("HX_RANDOM_SEED").toUInt(&ok);
    if (!ok)
        m_seed = QRandomGenerator::global()->generate();
    qInfo("seed %u (HX_RANDOM_SEED=%u replays this run)", m_seed, m_seed);
}

void tst_RandomUser::anyStepOnAnyScreen_data()
{
    QTest::addColumn<QStringList>("screen");
    for (const QStringList &screen : screens())
        QTest::newRow(qPrintable(screen.first())) << screen;
}

void tst_RandomUser::anyStepOnAnyScreen()
{
    QFETCH(QStringList, screen);
    TestRoots roots;
    QVERIFY(roots.isValid());
    QVERIFY(GazetteerFixture::write(
        roots.gazetteerPath(),
        { GazetteerFixture::entry(GazetteerEntry::Locality, QStringLiteral("Waterloo"), 43.4643, -80.5204, 100000),
          GazetteerFixture::entry(GazetteerEntry::Address, QStringLiteral("200 University Ave W"), 43.4723, -80.5449,
                                  50),
          GazetteerFixture::poi(QStringLiteral("Waterloo Public Library"), 43.4662, -80.5236, QStringLiteral("library"),
                                30),
          GazetteerFixture::poi(QStringLiteral("Waterlily Café"), 43.4600, -80.5200, QStringLiteral("cafe"), 10) }));
    StoreFixture::seedDefault();
    const Place favorite = StoreFixture::addFavorite(QStringLiteral("Lumen Coffee House"), 43.4650, -80.5210);
    QVERIFY(favorite.isPersisted());
    screen.replaceInStrings(QRegularExpression(QStringLiteral("^ID$")), QString::number(favorite.id()));

    // Each screen its own seed, so one screen's run replays alone.
    int index = 0;
    while (index < screens().size() && screens().at(index).first() != screen.first())
        ++index;
    const quint32 seed = m_seed + quint32(index);
    const int steps = setting("HX_RANDOM_STEPS", 150);
    const int seconds = setting("HX_RANDOM_SECONDS", 5);
    const QStringList arguments = QStringList { "show" } + screen
        + QStringList { "--store", roots.storePath(),      "--gazetteer", roots.gazetteerPath(),
                        "--at",    "43.4643,-80.5204",     "--random",    QString::number(seed),
                        "--steps", QString::number(steps), "--seconds",   QString::number(seconds) };
    const QString replay = QStringLiteral("hxplaces ") + arguments.join(QLatin1Char(' '));

    QProcess program;
    program.start(QStringLiteral(HX_HXPLACES), arguments);
    QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
    // Bounded by the program's own clock, plus what a last dialog or a slow machine needs.
    QVERIFY2(program.waitForFinished((seconds + 120) * 1000), qPrintable(replay));
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    const QString failure = QStringLiteral("%1\n--- last steps:\n%2\n--- errors:\n%3")
                                .arg(replay, lastLines(out, 30), lastLines(err, 30));
    QVERIFY2(program.exitStatus() == QProcess::NormalExit, qPrintable(failure));
    QVERIFY2(program.exitCode() == 0, qPrintable(failure));
    QVERIFY2(out.contains(QLatin1String(" removed again\n")), qPrintable(failure));
    qInfo("%s", qPrintable(out.split(QLatin1Char('\n')).filter(QStringLiteral("random user: seed")).last()));

    QCOMPARE(StoreIntegrity::check(roots.storePath()), QStringLiteral("ok"));
    // What the user saved is there for the next program that opens the store.
    const QStringList kept = out.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^kept\t")));
    m_steps += out.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^step \\d+: "))).size();
    m_kept += kept.size();
    ++m_screens;
    for (const QString &line : kept) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        QCOMPARE(fields.size(), 3);
        Error::Type error = Error::None;
        QScopedPointer<Place> stored(PlaceManagerUI::getPlace(fields.at(1).toLongLong(), error, false));
        QVERIFY2(stored, qPrintable(QStringLiteral("%1 is gone\n%2").arg(line, failure)));
        QCOMPARE(QString::fromUtf8(stored->name().toUtf8().toPercentEncoding()), fields.at(2));
    }
}

void tst_RandomUser::cleanupTestCase()
{
    // The closing line of a long run: what it did, whatever screen it ended on.
    qInfo("random user: %d steps on %d screens, %d places kept and found again", m_steps, m_screens, m_kept);
}

QTEST_GUILESS_MAIN(tst_RandomUser)
#include "tst_randomuser.moc"
