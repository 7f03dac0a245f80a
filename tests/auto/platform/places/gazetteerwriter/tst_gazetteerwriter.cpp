#include <hx/platform/places/gazetteer.h>
#include <hx/platform/places/gazetteerwriter.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtTest/QtTest>

#include "gazetteerfixture.h"
#include "testroots.h"

using hx::platform::places::Gazetteer;
using hx::platform::places::GazetteerEntry;
using hx::platform::places::GazetteerWriter;
using hx::test::GazetteerFixture;

namespace {
QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesBeside(const QString &path)
{
    return QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
} // namespace

class tst_GazetteerWriter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void idsFollowDescendingImportance();
    void keepExistingAddsToTheOldEntries();
    void badEntriesAreRefusedAndTheRestStored_data();
    void badEntriesAreRefusedAndTheRestStored();
    void anAbandonedWriteLeavesTheOldFileAndNoLitter();
    void aForeignFileIsNeverOverwritten();
    void aRewriteStartsFromNothingAndOpenReadersKeepTheirFile();

private:
    QScopedPointer<hx::test::TestRoots> m_roots;
};

void tst_GazetteerWriter::init()
{
    m_roots.reset(); // the old roots restore the environment before the new ones set it
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
}

void tst_GazetteerWriter::idsFollowDescendingImportance()
{
    QVERIFY(GazetteerFixture::write(
        m_roots->gazetteerPath(),
        { GazetteerFixture::poi("Small", 1, 1, "shop", 1), GazetteerFixture::poi("Big", 1, 1, "shop", 100),
          GazetteerFixture::poi("Tie first", 1, 1, "shop", 5), GazetteerFixture::poi("Tie second", 1, 1, "shop", 5) }));
    const Gazetteer gazetteer(m_roots->gazetteerPath());
    QCOMPARE(gazetteer.entry(1).name, QStringLiteral("Big"));
    QCOMPARE(gazetteer.entry(2).name, QStringLiteral("Tie first"));
    QCOMPARE(gazetteer.entry(3).name, QStringLiteral("Tie second"));
    QCOMPARE(gazetteer.entry(4).name, QStringLiteral("Small"));
}

void tst_GazetteerWriter::keepExistingAddsToTheOldEntries()
{
    const QString path = m_roots->gazetteerPath();
    GazetteerWriter first(path);
    QVERIFY(first.begin(GazetteerWriter::KeepExisting)); // no file yet: starts empty
    QVERIFY(first.add(GazetteerFixture::poi("Old Mill", 1, 1, "mill", 10)));
    QVERIFY(first.addCategory("mill", "Mills"));
    QVERIFY(first.commit());

    GazetteerWriter second(path);
    QVERIFY(second.begin(GazetteerWriter::KeepExisting));
    QCOMPARE(second.count(), qint64(1));
    QVERIFY(second.add(GazetteerFixture::poi("New Mill", 2, 2, "mill", 20)));
    QCOMPARE(second.count(), qint64(2));
    QVERIFY(second.commit());

    const Gazetteer gazetteer(path);
    QCOMPARE(gazetteer.search("mill", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 10).size(), 2);
    QCOMPARE(gazetteer.entry(1).name, QStringLiteral("New Mill"));
    QCOMPARE(gazetteer.categories("mil", 10), QStringList { "mill\tMills" });
}

void tst_GazetteerWriter::badEntriesAreRefusedAndTheRestStored_data()
{
    QTest::addColumn<GazetteerEntry>("entry");
    QTest::addColumn<QString>("reason");

    GazetteerEntry unknownKind = GazetteerFixture::poi("Mill", 1, 1);
    unknownKind.kind = GazetteerEntry::Kind(0x03);
    QTest::newRow("an entry of two kinds at once") << unknownKind << "unknown kind 3";
    QTest::newRow("a blank name") << GazetteerFixture::poi("  ", 1, 1) << "no name";
    QTest::newRow("a name of punctuation only")
        << GazetteerFixture::poi("!?", 1, 1) << "a name without letters or digits";
    QTest::newRow("a latitude without a longitude")
        << GazetteerFixture::poi("Mill", 1, qQNaN()) << "a latitude without a longitude or the other way round";
    QTest::newRow("a latitude beyond the pole") << GazetteerFixture::poi("Mill", 90.5, 1) << "latitude out of range";
    QTest::newRow("an infinite longitude") << GazetteerFixture::poi("Mill", 1, qInf()) << "longitude out of range";
    GazetteerEntry overrated = GazetteerFixture::poi("Mill", 1, 1);
    overrated.rating = 5.5;
    QTest::newRow("a rating above five") << overrated << "rating out of range (0 to 5)";
    GazetteerEntry negativeRating = GazetteerFixture::poi("Mill", 1, 1);
    negativeRating.rating = -0.5;
    QTest::newRow("a negative rating") << negativeRating << "rating out of range (0 to 5)";
    GazetteerEntry negativeCount = GazetteerFixture::poi("Mill", 1, 1);
    negativeCount.rating = 3;
    negativeCount.ratingCount = -1;
    QTest::newRow("a negative rating count") << negativeCount << "a negative rating count";
    GazetteerEntry countAlone = GazetteerFixture::poi("Mill", 1, 1);
    countAlone.ratingCount = 4;
    QTest::newRow("a rating count without a rating") << countAlone << "a rating count without a rating";
}

void tst_GazetteerWriter::badEntriesAreRefusedAndTheRestStored()
{
    QFETCH(GazetteerEntry, entry);
    QFETCH(QString, reason);

    GazetteerWriter writer(m_roots->gazetteerPath());
    QVERIFY(writer.begin(GazetteerWriter::Replace));
    QVERIFY(writer.add(GazetteerFixture::poi("Good Mill", 1, 1)));
    QVERIFY(!writer.add(entry));
    QCOMPARE(writer.errorString(), reason);
    QCOMPARE(GazetteerWriter::validate(entry), reason);
    QVERIFY(writer.add(GazetteerFixture::poi("No Position Mill", qQNaN(), qQNaN())));
    QVERIFY(writer.commit());

    const Gazetteer gazetteer(m_roots->gazetteerPath());
    QCOMPARE(gazetteer.search("mill", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 10).size(), 2);
    QCOMPARE(gazetteer.nearest(1, 1, GazetteerEntry::AnyKind, 10).size(), 1);
}

void tst_GazetteerWriter::anAbandonedWriteLeavesTheOldFileAndNoLitter()
{
    const QString path = m_roots->gazetteerPath();
    QVERIFY(GazetteerFixture::write(path, { GazetteerFixture::poi("Old Mill", 1, 1) }));
    const QByteArray before = contentOf(path);
    const QStringList filesBefore = filesBeside(path);
    {
        GazetteerWriter writer(path);
        QVERIFY(writer.begin(GazetteerWriter::KeepExisting));
        for (int i = 0; i < 500; ++i)
            QVERIFY(writer.add(GazetteerFixture::poi(QStringLiteral("Mill %1").arg(i), 1, 1)));
        QVERIFY(filesBeside(path) != filesBefore); // the work goes to a file of its own
    } // destroyed without commit
    QCOMPARE(contentOf(path), before);
    QCOMPARE(filesBeside(path), filesBefore);

    GazetteerWriter writer(path);
    QVERIFY(writer.begin(GazetteerWriter::Replace));
    writer.rollback();
    QVERIFY(!writer.isActive());
    QVERIFY(!writer.add(GazetteerFixture::poi("Late", 1, 1)));
    QVERIFY(!writer.commit());
    QCOMPARE(contentOf(path), before);
    QCOMPARE(filesBeside(path), filesBefore);
}

void tst_GazetteerWriter::aForeignFileIsNeverOverwritten()
{
    const QString path = m_roots->gazetteerPath();
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("my own notes, not a gazetteer\n");
    file.close();
    const QStringList filesBefore = filesBeside(path);

    // Starting anew replaces only a gazetteer, so a foreign file is refused either way.
    for (const GazetteerWriter::Mode mode : { GazetteerWriter::KeepExisting, GazetteerWriter::Replace }) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Gazetteer")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("GazetteerWriter")));
        GazetteerWriter writer(path);
        QVERIFY(!writer.begin(mode));
        QVERIFY2(writer.errorString().startsWith(QStringLiteral("refused and left as it is: not a database")),
                 qPrintable(writer.errorString()));
        QCOMPARE(contentOf(path), QByteArray("my own notes, not a gazetteer\n"));
        QCOMPARE(filesBeside(path), filesBefore);
    }
}

void tst_GazetteerWriter::aRewriteStartsFromNothingAndOpenReadersKeepTheirFile()
{
    const QString path = m_roots->gazetteerPath();
    QVERIFY(GazetteerFixture::write(path, { GazetteerFixture::poi("Old Mill", 1, 1) }));
    const Gazetteer before(path);
    QVERIFY(GazetteerFixture::write(path, { GazetteerFixture::poi("New Mill", 1, 1) }));
    QCOMPARE(before.search("mill", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 5).value(0).name,
             QStringLiteral("Old Mill"));
    const Gazetteer after(path);
    const QList<GazetteerEntry> found = after.search("mill", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 5);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().name, QStringLiteral("New Mill"));
}

QTEST_GUILESS_MAIN(tst_GazetteerWriter)
#include "tst_gazetteerwriter.moc"
