#include <pseudoterminal.h>

#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtTest/QtTest>

namespace {

// The part of the README that shows hxplaces: the simulator section with its screen table.
QString simulatorSection()
{
    QFile file(qEnvironmentVariable("HX_SOURCE_DIR") + QStringLiteral("/README.md"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QString text = QString::fromUtf8(file.readAll());
    const int start = text.indexOf(QLatin1String("\n## The simulator"));
    const int end = text.indexOf(QLatin1String("\n## "), start + 1);
    return start < 0 ? QString() : text.mid(start, end - start);
}

// Commands a reader can paste: inline code and "$ " lines that start with hxplaces, without
// placeholders in capitals (ID, SCREEN, FILE), without a last option left open, and not the bare
// name of a command that needs more ("`hxplaces share` prints it").
QStringList commands()
{
    static const QRegularExpression code(QStringLiteral("`((?:build/bin/)?hxplaces [^`]+)`|\\n\\$ (hxplaces [^\\n]+)"));
    static const QRegularExpression placeholder(QStringLiteral("\\b[A-Z]{2,}\\b|…|\\|$"));
    QStringList found;
    auto matches = code.globalMatch(simulatorSection());
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString command = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
        const bool bare = command.count(QLatin1Char(' ')) < 2 && !command.endsWith(QLatin1String(" pick"));
        // A window needs a display; tst_hxplaceswindow drives those on one.
        const bool window = command.contains(QLatin1String("--window"));
        if (bare || window || command.contains(placeholder) || command.endsWith(QLatin1String("--do"))
            || found.contains(command))
            continue;
        found.append(command);
    }
    return found;
}

// The Try column of the screen table: the examples of each screen.
QStringList screenExamples()
{
    static const QRegularExpression example(QStringLiteral("`(hxplaces show [^`]+)`"));
    QStringList found;
    for (const QString &line : simulatorSection().split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("| `")))
            continue;
        auto matches = example.globalMatch(line.section(QLatin1String(" | "), -1));
        while (matches.hasNext())
            found.append(matches.next().captured(1));
    }
    return found;
}

// A command that draws on the terminal and waits for keys.
bool interactive(const QString &command)
{
    static const QRegularExpression scripted(QStringLiteral(
        "--(dump|png|random|list|type|choose|do|help)\\b|\\b(search|share|where|geocode|view|map|open-uri)\\b"));
    return !command.contains(scripted);
}

} // namespace

class tst_Readme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commandRunsAsWritten_data();
    void commandRunsAsWritten();
    void everyScreenIsDrawnWithAllItsImages_data();
    void everyScreenIsDrawnWithAllItsImages();

private:
    QProcessEnvironment environment(const QString &home) const;
};

void tst_Readme::initTestCase()
{
    // The section has the screen table's seventeen examples and the simulator's own.
    QVERIFY2(commands().size() >= 25, qPrintable(commands().join(QLatin1Char('\n'))));
    QCOMPARE(screenExamples().size(), 17);
}

QProcessEnvironment tst_Readme::environment(const QString &home) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), QStringLiteral(HX_PROGRAM_DIR ":") + env.value(QStringLiteral("PATH")));
    // The reader's own store and runtime folders, fresh for each command.
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    env.remove(QStringLiteral("HX_PLACES_DB"));
    env.remove(QStringLiteral("HX_DISPLAY_SIZE"));
    env.insert(QStringLiteral("HX_GAZETTEER_DB"),
               qEnvironmentVariable("HX_BINARY_DIR") + QStringLiteral("/data/gazetteer.db"));
    return env;
}

void tst_Readme::commandRunsAsWritten_data()
{
    QTest::addColumn<QString>("command");
    for (const QString &command : commands())
        QTest::newRow(qPrintable(command)) << command;
}

void tst_Readme::commandRunsAsWritten()
{
    QFETCH(QString, command);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    // Paths such as build/bin/hxplaces are the checkout's.
    QVERIFY(QFile::link(qEnvironmentVariable("HX_BINARY_DIR"), home.filePath(QStringLiteral("build"))));
    const QString shell = QStringLiteral("cd '%1' && %2").arg(home.path(), command);
    if (interactive(command)) {
        // A person looks at the screen, then leaves with Ctrl-C.
        const QProcessEnvironment saved = QProcessEnvironment::systemEnvironment();
        const QProcessEnvironment env = environment(home.path());
        for (const QString &key : env.keys())
            qputenv(qPrintable(key), env.value(key).toUtf8());
        const hx::test::PseudoTerminal::Run run
            = hx::test::PseudoTerminal::run({ "/bin/sh", "-c", shell.toUtf8() }, { { "Up/Down move", "\x03" } });
        for (const QString &key : env.keys())
            saved.contains(key) ? qputenv(qPrintable(key), saved.value(key).toUtf8()) : qunsetenv(qPrintable(key));
        QVERIFY2(run.seen.contains("Up/Down move"), run.seen.right(2000).constData());
        QVERIFY2(!run.seen.contains("hxplaces:"), run.seen.right(2000).constData());
        return;
    }
    QProcess process;
    process.setProcessEnvironment(environment(home.path()));
    process.start(QStringLiteral("/bin/sh"), { QStringLiteral("-c"), shell });
    QVERIFY(process.waitForFinished(120000));
    const QByteArray err = process.readAllStandardError();
    const QByteArray out = process.readAllStandardOutput();
    QVERIFY2(process.exitCode() == 0, (err + out.right(2000)).constData());
    // Nothing failed along the way, and every picture has all its images.
    QVERIFY2(!err.contains("hxplaces:"), err.constData());
}

void tst_Readme::everyScreenIsDrawnWithAllItsImages_data()
{
    QTest::addColumn<QString>("command");
    for (const QString &example : screenExamples())
        QTest::newRow(qPrintable(example.section(QLatin1Char(' '), 2, 2))) << example;
}

void tst_Readme::everyScreenIsDrawnWithAllItsImages()
{
    QFETCH(QString, command);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    // The example's screen after its steps, as a picture instead of text. HX_KEEP_PICTURES names
    // a folder to keep them in, for a person to look at.
    const QString screen = QString::fromLatin1(QTest::currentDataTag());
    const QString keep = qEnvironmentVariable("HX_KEEP_PICTURES");
    const QString png = (keep.isEmpty() ? home.path() : keep) + QLatin1Char('/') + screen + QStringLiteral(".png");
    QString pictured = command;
    pictured.remove(QRegularExpression(QStringLiteral(" --(dump|png \\S+)")));
    QProcess process;
    process.setProcessEnvironment(environment(home.path()));
    process.start(QStringLiteral("/bin/sh"),
                  { QStringLiteral("-c"), pictured + QStringLiteral(" --png '%1'").arg(png) });
    QVERIFY(process.waitForFinished(120000));
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(process.exitCode() == 0, err.constData());
    QVERIFY2(!err.contains("no image for"), err.constData());
    QCOMPARE(QImage(png).size(), QSize(720, 1280));
}

QTEST_GUILESS_MAIN(tst_Readme)
#include "tst_readme.moc"
