#include <hx/system/nfcsharemanager.h>

#include <QtTest/QtTest>

using namespace hx::system;

class tst_NfcShareManager : public QObject
{
    Q_OBJECT

private slots:
    void urlContentIsSharedOnATap();
    void refusedContentKeepsThePrevious_data();
    void refusedContentKeepsThePrevious();
    void tapWithNothingToShareIsAnError();
};

namespace {
NfcShareDataContent uriContent(const QString &uri)
{
    NfcShareDataContent content;
    content.setUri(QUrl(uri));
    return content;
}
} // namespace

void tst_NfcShareManager::urlContentIsSharedOnATap()
{
    NfcShareManager manager;
    manager.setShareMode(NfcShareMode::Url);
    QCOMPARE(int(manager.shareMode()), 4);
    QCOMPARE(manager.setShareContent(uriContent("geo:43.5,-80.25")), NfcShareSetContentError::None);
    QSignalSpy finished(&manager, &NfcShareManager::finished);
    manager.tap();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().value<NfcShareSuccess::Type>(), NfcShareSuccess::Url);
    QCOMPARE(manager.history().size(), 1);
    QCOMPARE(int(manager.history().first().mode), 4);
    QCOMPARE(manager.history().first().content.uri(), QUrl("geo:43.5,-80.25"));
}

void tst_NfcShareManager::refusedContentKeepsThePrevious_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("uri");
    QTest::addColumn<int>("error");
    QTest::newRow("sharing switched off")
        << int(NfcShareMode::Disabled) << "geo:1,2" << int(NfcShareSetContentError::InvalidShareMode);
    QTest::newRow("url mode without a uri")
        << int(NfcShareMode::Url) << "" << int(NfcShareSetContentError::InvalidShareRequest);
}

void tst_NfcShareManager::refusedContentKeepsThePrevious()
{
    QFETCH(int, mode);
    QFETCH(QString, uri);
    QFETCH(int, error);
    NfcShareManager manager;
    manager.setShareMode(NfcShareMode::Url);
    manager.setShareContent(uriContent("geo:1,1"));
    manager.setShareMode(NfcShareMode::Type(mode));
    QCOMPARE(int(manager.setShareContent(uriContent(uri))), error);
    QCOMPARE(manager.shareContent().uri(), QUrl("geo:1,1"));
    QCOMPARE(manager.history().size(), 1);
}

void tst_NfcShareManager::tapWithNothingToShareIsAnError()
{
    NfcShareManager manager;
    QSignalSpy errors(&manager, &NfcShareManager::error);
    QSignalSpy finished(&manager, &NfcShareManager::finished);
    manager.tap();
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().value<NfcShareError::Type>(), NfcShareError::NoContentToShare);
    QCOMPARE(finished.count(), 0);
}

QTEST_GUILESS_MAIN(tst_NfcShareManager)
#include "tst_nfcsharemanager.moc"
