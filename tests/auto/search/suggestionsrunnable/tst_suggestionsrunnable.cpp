#include <QtTest/QtTest>

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/internaltags.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <hx/trellan/places/suggestionresolver.h>
#include <hx/trellan/places/suggestionsrunnable.h>

#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "testroots.h"

#include <QtCore/QThreadPool>

#include <memory>

using namespace hx::trellan::places;
using namespace hx::test;
using hx::platform::places::Coordinates;
using hx::platform::places::Place;

class tst_SuggestionsRunnable : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void resolve_data();
    void resolve();
    void onlyTheNewestResolutionAnswers_data();
    void onlyTheNewestResolutionAnswers();

private:
    QSharedPointer<Place> suggestion();

    std::unique_ptr<TestRoots> m_roots;
};

void tst_SuggestionsRunnable::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    auto cafe = GazetteerFixture::poi(QStringLiteral("Cafe Pyrus"), 43.46, -80.52);
    cafe.street = QStringLiteral("7 Erb Street");
    cafe.city = QStringLiteral("Waterloo");
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), { cafe }));
}

void tst_SuggestionsRunnable::cleanup()
{
    QThreadPool::globalInstance()->waitForDone();
    m_roots.reset();
}

QSharedPointer<Place> tst_SuggestionsRunnable::suggestion()
{
    SingleSearchAllDataModel model(false);
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(QStringLiteral("cafe p"), Coordinates(43.46, -80.52), { FilterCategory::Suggestions }, true);
    if (!SignalWaiter::wait(final))
        return QSharedPointer<Place>();
    return model.place(QVariantList { 1 }).dynamicCast<Place>();
}

void tst_SuggestionsRunnable::resolve_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<bool>("known");

    QTest::newRow("a suggestion to pick") << int(SuggestionsRunnable::Select) << true;
    QTest::newRow("a suggestion to show") << int(SuggestionsRunnable::View) << true;
    QTest::newRow("no suggestion at all") << int(SuggestionsRunnable::Select) << false;
}

void tst_SuggestionsRunnable::resolve()
{
    QFETCH(int, context);
    QFETCH(bool, known);

    QSharedPointer<Place> asked;
    if (known) {
        asked = suggestion();
        QVERIFY(asked);
        QVERIFY(asked->hasTag(QLatin1String(hx::platform::places::InternalTags::Suggestion)));
    }
    auto *job = new SuggestionsRunnable(SuggestionsRunnable::Context(context), asked);
    QSignalSpy done(job, &SuggestionsRunnable::done);
    // Answers come back on the thread that started the job.
    QThread *answeredOn = nullptr;
    connect(job, &SuggestionsRunnable::done, this, [&answeredOn] { answeredOn = QThread::currentThread(); });
    QThreadPool::globalInstance()->start(job);
    QVERIFY(SignalWaiter::wait(done));
    QTRY_VERIFY(answeredOn);
    QCOMPARE(answeredOn, thread());
    const QList<QVariant> answer = done.first();
    // The pool has deleted the job by now: its address only identifies the answer.
    QCOMPARE(*static_cast<SuggestionsRunnable *const *>(answer.at(0).constData()), job);
    QCOMPARE(answer.at(2).value<SuggestionsRunnable::Context>(), SuggestionsRunnable::Context(context));
    const auto place = answer.at(3).value<QSharedPointer<Place>>();
    QCOMPARE(answer.at(1).value<hx::platform::places::Error::Type>() == hx::platform::places::Error::None, known);
    QCOMPARE(bool(place), known);
    if (known) {
        QCOMPARE(place->name(), QStringLiteral("Cafe Pyrus"));
        QVERIFY(!place->hasTag(QLatin1String(hx::platform::places::InternalTags::Suggestion)));
        QVERIFY(place->primaryCoordinates().isValid());
    }
}

void tst_SuggestionsRunnable::onlyTheNewestResolutionAnswers_data()
{
    QTest::addColumn<bool>("pickedAgain");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<int>("answers");

    QTest::newRow("one suggestion, one answer") << false << false << 1;
    QTest::newRow("a second tap supersedes the first") << true << false << 1;
    QTest::newRow("a cancelled resolution answers nothing") << false << true << 0;
}

void tst_SuggestionsRunnable::onlyTheNewestResolutionAnswers()
{
    QFETCH(bool, pickedAgain);
    QFETCH(bool, cancelled);
    QFETCH(int, answers);

    const QSharedPointer<Place> asked = suggestion();
    QVERIFY(asked);
    SuggestionResolver resolver(false);
    QSignalSpy resolved(&resolver, &SuggestionResolver::resolved);
    QSignalSpy failed(&resolver, &SuggestionResolver::failed);
    resolver.resolve(asked, SuggestionsRunnable::Select);
    if (pickedAgain)
        resolver.resolve(asked, SuggestionsRunnable::View);
    if (cancelled)
        resolver.cancel();
    // Every job has answered once the pool is idle and its queued answers are delivered.
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(failed.count(), 0);
    QCOMPARE(resolved.count(), answers);
    QVERIFY(!resolver.isResolving());
    if (answers) {
        const auto context = resolved.first().at(0).value<SuggestionsRunnable::Context>();
        QCOMPARE(context, pickedAgain ? SuggestionsRunnable::View : SuggestionsRunnable::Select);
        QCOMPARE(resolved.first().at(1).value<QSharedPointer<Place>>()->name(), QStringLiteral("Cafe Pyrus"));
    }
}

QTEST_MAIN(tst_SuggestionsRunnable)
#include "tst_suggestionsrunnable.moc"
