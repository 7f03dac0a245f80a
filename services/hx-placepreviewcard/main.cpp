// The place previewer card. Started by the invocation service, it shows the page its invocation
// asks for and answers with what happened to the place ("id:STATUS"), or with no data when the
// user leaves without anything to report. With steps (HX_CARD_STEPS) it runs them on the page;
// otherwise the user looks at the place on the terminal.
#include "previewercard.h"

#include <cardhost.h>
#include <hx/system/cardchannel.h>
#include <hx/trellan/navigationpane.h>

#include <QtCore/QCommandLineParser>
#include <QtGui/QGuiApplication>

#include <cstdio>

using hx::system::CardChannel;
using hx::system::CardDoneMessage;

int main(int argc, char **argv)
{
    // Before anything can log: the card shares its caller's terminal.
    hx::services::CardLog::install();
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("hx-placepreviewcard"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The place previewer card: started by the invocation service for sys.places.placepreviewer, it shows a "
        "place (a serialised place, a place id, a shared place URL, or a text to compose a favourite from) and "
        "answers with the place id and what happened to it (EXISTED, MODIFIED, SELECTED, SELECTEDMODIFIED), or "
        "with no data when the user leaves. HX_CARD_STEPS, one step a line, runs steps instead of the terminal."));
    parser.addHelpOption();
    parser.process(application);

    CardChannel channel;
    if (!channel.open()) {
        std::fprintf(stderr, "hx-placepreviewcard: not started as a card\n");
        return 2;
    }
    hx::trellan::NavigationPane pane;
    hx::services::CardHost host(&pane);
    hx::services::PreviewerCard card(channel.request(), &pane);
    QObject::connect(&card, &hx::services::PreviewerCard::answered, [&](const CardDoneMessage &message) {
        channel.done(message);
        host.end();
    });
    if (!card.open()) {
        std::fprintf(stderr, "hx-placepreviewcard: the invocation names no place to show\n");
        channel.done(CardDoneMessage(QStringLiteral("cancel"), QString()));
        return 1;
    }
    QObject::connect(&channel, &CardChannel::callerGone, [&host] { host.abandon(); });
    QString message;
    const int code = host.run(&message);
    if (!channel.isDone())
        channel.done(CardDoneMessage(QStringLiteral("cancel"), QString()));
    if (code != 0)
        std::fprintf(stderr, "hx-placepreviewcard: %s\n", qPrintable(message));
    return code;
}
