#include <QtCore/QDirIterator>
#include <QtCore/QFile>
#include <QtCore/QRegularExpression>
#include <QtCore/QSet>
#include <QtGui/QImage>
#include <QtTest/QtTest>

#include <hx/trellan/places/resourceutils.h>
#include <imagetable.h>

namespace {

QString sourceDir()
{
    return qEnvironmentVariable("HX_SOURCE_DIR");
}

QString defaultAssets()
{
    return qEnvironmentVariable("HX_BINARY_DIR") + QStringLiteral("/share/hxtrellanplaces/assets/places_images/");
}

// Every image file name written in the library's and the card programs' sources.
QSet<QString> namesTheSourcesUse()
{
    static const QRegularExpression literal(QStringLiteral("\"([A-Za-z0-9_@.-]+\\.png)\""));
    QSet<QString> names;
    for (const char *folder : { "/src", "/services" }) {
        QDirIterator files(sourceDir() + QLatin1String(folder), { QStringLiteral("*.cpp"), QStringLiteral("*.h") },
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            // The generator and its table write the names themselves.
            if (path.contains(QLatin1String("/assets/generator/")))
                continue;
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            auto matches = literal.globalMatch(QString::fromUtf8(file.readAll()));
            while (matches.hasNext())
                names.insert(matches.next().captured(1));
        }
    }
    return names;
}

} // namespace

class tst_ImageTable : public QObject
{
    Q_OBJECT

private slots:
    void tableNamesWhatTheSourcesUse();
    void everyImageIsWhereTheLibraryLooks_data();
    void everyImageIsWhereTheLibraryLooks();
    void listOfImagesIsCurrent();
};

void tst_ImageTable::tableNamesWhatTheSourcesUse()
{
    QVERIFY2(!sourceDir().isEmpty(), "HX_SOURCE_DIR is not set");
    const QSet<QString> used = namesTheSourcesUse();
    QStringList unmapped;
    for (const QString &name : used) {
        if (!ImageTable::find(name))
            unmapped.append(name);
    }
    unmapped.sort();
    QVERIFY2(unmapped.isEmpty(), qPrintable(QStringLiteral("no entry for ") + unmapped.join(QStringLiteral(", "))));
    QStringList unused;
    for (const ImageEntry &entry : ImageTable::entries()) {
        if (!used.contains(QLatin1String(entry.name)))
            unused.append(QLatin1String(entry.name));
    }
    QVERIFY2(unused.isEmpty(), qPrintable(QStringLiteral("no source names ") + unused.join(QStringLiteral(", "))));
}

void tst_ImageTable::everyImageIsWhereTheLibraryLooks_data()
{
    QTest::addColumn<QString>("name");
    for (const ImageEntry &entry : ImageTable::entries())
        QTest::newRow(entry.name) << QString::fromLatin1(entry.name);
}

void tst_ImageTable::everyImageIsWhereTheLibraryLooks()
{
    QFETCH(QString, name);
    const ImageEntry &entry = *ImageTable::find(name);
    // The file behind the library's own path, "asset://hx.trellan.places/places_images/NAME".
    const QString embedded = QStringLiteral(":/") + QUrl(hx::trellan::places::ResourceUtils::getQRCPath(name)).host()
        + QUrl(hx::trellan::places::ResourceUtils::getQRCPath(name)).path();
    const QString installed = defaultAssets() + name;
    // Each image is in exactly one place: the library's resources or the default application set.
    const bool library = entry.origin == ImageEntry::Library;
    QCOMPARE(QFile::exists(embedded), library);
    QCOMPARE(QFile::exists(installed), !library);
    const QImage image(library ? embedded : installed);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), ImageTable::pixelSize(entry, ImageTable::PixelsPerDu));
    // The terminal reads the symbol from the file.
    QCOMPARE(image.text(QStringLiteral("Symbol")), QString::fromUtf8(entry.symbol));
    QCOMPARE(QString::fromUtf8(entry.symbol).size(), 1);
}

void tst_ImageTable::listOfImagesIsCurrent()
{
    const QString path = sourceDir() + QStringLiteral("/docs/images.md");
    const QByteArray generated = ImageTable::markdown().toUtf8();
    if (qEnvironmentVariableIsSet("HX_WRITE_DOCS")) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(out.write(generated), qint64(generated.size()));
    }
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QVERIFY2(file.readAll() == generated,
             "docs/images.md differs from the image table; run tst_imagetable with HX_WRITE_DOCS=1 to refresh it");
}

QTEST_APPLESS_MAIN(tst_ImageTable)
#include "tst_imagetable.moc"
