#include <hx/trellan/container.h>
#include <hx/trellan/fadetransition.h>
#include <hx/trellan/testdriver.h>

#include <QtTest/QtTest>

using namespace hx::trellan;

class tst_FadeTransition : public QObject
{
    Q_OBJECT
private slots:
    void fadesOverItsDuration();
    void finishingEndsEveryFadeAtOnce_data();
    void finishingEndsEveryFadeAtOnce();
    void stoppedFadeStaysWhereItWas();
};

void tst_FadeTransition::fadesOverItsDuration()
{
    Container bar;
    auto *fade = new FadeTransition(&bar);
    fade->setFromOpacity(0);
    fade->setToOpacity(1);
    fade->setDuration(60);
    QSignalSpy ended(fade, &FadeTransition::ended);
    QSignalSpy opacity(&bar, &Control::opacityChanged);
    fade->play();
    QCOMPARE(bar.opacity(), 0.0f);
    QVERIFY(fade->isPlaying());
    QVERIFY(ended.wait());
    QCOMPARE(bar.opacity(), 1.0f);
    QVERIFY(!fade->isPlaying());
    // It went through the values in between, not in one jump.
    QVERIFY2(opacity.count() > 2, qPrintable(QString::number(opacity.count())));
}

void tst_FadeTransition::finishingEndsEveryFadeAtOnce_data()
{
    QTest::addColumn<float>("from");
    QTest::addColumn<float>("to");

    QTest::newRow("a fade in") << 0.0f << 1.0f;
    QTest::newRow("a fade out") << 1.0f << 0.0f;
    QTest::newRow("half way") << 0.2f << 0.5f;
}

void tst_FadeTransition::finishingEndsEveryFadeAtOnce()
{
    QFETCH(float, from);
    QFETCH(float, to);

    Container first;
    Container second;
    FadeTransition *fades[] = { new FadeTransition(&first), new FadeTransition(&second) };
    for (FadeTransition *fade : fades) {
        fade->setFromOpacity(from);
        fade->setToOpacity(to);
        fade->setDuration(750);
    }
    QSignalSpy ended(fades[1], &FadeTransition::ended);
    fades[0]->play();
    fades[1]->play();
    QCOMPARE(first.opacity(), from);

    TestDriver::finishAnimations();

    QCOMPARE(first.opacity(), to);
    QCOMPARE(second.opacity(), to);
    QVERIFY(!fades[0]->isPlaying());
    QCOMPARE(ended.count(), 1);
}

void tst_FadeTransition::stoppedFadeStaysWhereItWas()
{
    Container bar;
    FadeTransition fade(&bar);
    fade.setParent(nullptr);
    fade.setDuration(10000);
    fade.play();
    fade.stop();
    TestDriver::finishAnimations();
    QCOMPARE(bar.opacity(), 0.0f);
    QVERIFY(!fade.isPlaying());
}

QTEST_MAIN(tst_FadeTransition)
#include "tst_fadetransition.moc"
