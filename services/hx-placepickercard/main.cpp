// The place picker card. Started by the invocation service, it shows the selector page and
// answers with the picked place's JSON, with no data when the user cancels, or with why the
// pick could not be stored. With steps (HX_CARD_STEPS) it runs them on the page; otherwise the
// user picks on the terminal.
#include <cardhost.h>
#include <hx/system/cardchannel.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/places/cardinterface.h>
#include <hx/trellan/places/selectorsheet.h>

#include <QtCore/QCommandLineParser>
#include <QtGui/QGuiApplication>

#include <cstdio>

using hx::system::CardChannel;
using hx::system::CardDoneMessage;
using namespace hx::trellan::places;

int main(int argc, char **argv)
{
    // Before anything can log: the card shares its caller's terminal.
    hx::services::CardLog::install();
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("hx-placepickercard"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The place picker card: started by the invocation service for sys.places.placepicker, it "
                       "shows the place selector and answers with the picked place as JSON, with no data when the "
                       "user cancels, or with why the pick could not be stored. HX_CARD_STEPS, one step a line, runs "
                       "steps instead of the terminal."));
    parser.addHelpOption();
    parser.process(application);

    CardChannel channel;
    if (!channel.open()) {
        std::fprintf(stderr, "hx-placepickercard: not started as a card\n");
        return 2;
    }
    hx::trellan::NavigationPane pane;
    SelectorSheet *page = CardInterface::createSelectorPage(&pane);
    pane.push(page);

    hx::services::CardHost host(&pane);
    QObject::connect(page, &SelectorSheet::placeSelected, [&] {
        channel.done(page->answer());
        host.end();
    });
    QObject::connect(&channel, &CardChannel::callerGone, [&host] { host.abandon(); });
    QString message;
    const int code = host.run(&message);
    if (!channel.isDone())
        channel.done(CardDoneMessage(QStringLiteral("cancel"), QString()));
    if (code != 0)
        std::fprintf(stderr, "hx-placepickercard: %s\n", qPrintable(message));
    return code;
}
