// A card program for tests. HX_TESTCARD_MODE picks its behaviour:
//   echo   answers with the invocation it received, as JSON
//   answer answers with HX_TESTCARD_DATA
//   large  answers with a megabyte of text, more than the socket holds at once
//   huge   answers with more text than a card may send
//   unstored answers as the picker card with a place that has no id
//   cancel answers with no data
//   mode   answers with the permission bits of its socket, seen before connecting
//   crash  aborts after reading the invocation
//   leave  exits without answering
//   hang   never answers
//   steps  shows a page with the field "Name" and the button "Done", which answers with the
//          field's text, and runs the steps of HX_CARD_STEPS on it; no data when they end first
// HX_TESTCARD_PIDFILE, when set, receives the program's process id once it has the invocation.
#include <cardhost.h>
#include <hx/system/cardchannel.h>
#include <hx/trellan/button.h>
#include <hx/trellan/container.h>
#include <hx/trellan/page.h>
#include <hx/trellan/textfield.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtGui/QGuiApplication>

#include <sys/stat.h>

#include <cstdlib>

using hx::system::CardChannel;
using hx::system::CardDoneMessage;

namespace {

QString socketMode()
{
    struct stat info;
    if (::stat(qgetenv("HX_CARD_SOCKET").constData(), &info) != 0)
        return QStringLiteral("missing");
    return QString::number(info.st_mode & 0777, 8);
}

QString echo(const hx::system::InvokeRequest &request)
{
    QJsonObject object;
    object.insert("action", request.action());
    object.insert("target", request.target());
    object.insert("mimeType", request.mimeType());
    object.insert("uri", request.uri().toString());
    object.insert("data", QString::fromLatin1(request.data().toHex()));
    object.insert("metadata", QJsonObject::fromVariantMap(request.metadata()));
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

int showPage(CardChannel *channel)
{
    hx::trellan::Page page;
    auto *content = new hx::trellan::Container;
    auto *field = new hx::trellan::TextField;
    field->setObjectName("Name");
    auto *button = new hx::trellan::Button(QStringLiteral("Done"));
    button->setObjectName("Done");
    content->add(field);
    content->add(button);
    page.setContent(content);

    hx::services::CardHost host(&page);
    QObject::connect(button, &hx::trellan::Button::clicked, [&] {
        channel->done(CardDoneMessage("done", field->text()));
        host.end();
    });
    QString message;
    const int code = host.run(&message);
    if (!channel->isDone())
        channel->done(CardDoneMessage("cancel", QString()));
    if (code != 0)
        qWarning("hx-testcard: %s", qPrintable(message));
    return code;
}

void writePid()
{
    const QString path = qEnvironmentVariable("HX_TESTCARD_PIDFILE");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray::number(QCoreApplication::applicationPid()));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    const QString mode = qEnvironmentVariable("HX_TESTCARD_MODE");
    const QString modeBeforeConnecting = socketMode();
    CardChannel channel;
    if (!channel.open())
        return 2;
    writePid();
    if (mode == "echo")
        channel.done(CardDoneMessage("done", echo(channel.request()), "application/json"));
    else if (mode == "answer")
        channel.done(CardDoneMessage("done", qEnvironmentVariable("HX_TESTCARD_DATA")));
    else if (mode == "large")
        channel.done(CardDoneMessage("done", QString(1 << 20, QLatin1Char('x')) + QStringLiteral("end")));
    else if (mode == "huge")
        channel.done(CardDoneMessage("done", QString(16 * 1024 * 1024 + 1, QLatin1Char('x'))));
    else if (mode == "unstored")
        channel.done(
            CardDoneMessage("done", "{\"selected_place\":{\"id\":-1,\"name\":\"Waterloo Park\"}}", "application/json"));
    else if (mode == "cancel")
        channel.done(CardDoneMessage("cancel", QString()));
    else if (mode == "mode")
        channel.done(CardDoneMessage("done", modeBeforeConnecting));
    else if (mode == "crash")
        std::abort();
    else if (mode == "steps")
        return showPage(&channel);
    else if (mode == "hang")
        return application.exec();
    return 0;
}
