// pickaplace: the place picker as an application embeds it. A page holds the ready-made picker
// button; the place picked is printed and its card opened on top of the page.
#include <hx/device/desktopplatform.h>
#include <hx/trellan/container.h>
#include <hx/trellan/label.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/placepickercontrol.h>
#include <hx/trellan/places/placeviewpage.h>
#include <hx/trellan/places/selectedplace.h>
#include <hx/trellan/titlebar.h>
#include <hx/trellan/window/screenwindow.h>

#include <QtGui/QGuiApplication>

#include <cstdio>

using namespace hx::trellan;
using namespace hx::trellan::places;

static Page *pickerPage(NavigationPane *pane)
{
    auto *content = new Container;
    content->add(new Label(QStringLiteral("Tap the pin to pick a place.")));
    auto *picker = new PlacePickerControl(content);
    picker->setObjectName(QStringLiteral("PickAPlace"));
    QObject::connect(picker, &PlacePickerControl::selected, pane, [pane](SelectedPlace *place) {
        if (!place)
            return; // the user cancelled
        std::printf("picked: %s\n", qPrintable(place->name()));
        std::fflush(stdout);
        // The card stored the pick, so the place card reads it back by its id.
        auto *card = new PlaceViewPage(place->id(), PlaceViewMode::View, pane);
        pane->push(card);
        emit card->setActions();
    });

    auto *page = new Page;
    auto *titleBar = new TitleBar(page);
    titleBar->setTitle(QStringLiteral("Pick a place"));
    page->setTitleBar(titleBar);
    page->setContent(content);
    return page;
}

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("pickaplace"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Pick a place"));

    // The phone the picker runs on: its settings, the location and address services and the
    // card registry, taken from the environment or set up for this program alone.
    hx::device::DesktopPlatform platform;
    QString message;
    if (!platform.start(&message)) {
        std::fprintf(stderr, "pickaplace: %s\n", qPrintable(message));
        return 1;
    }

    NavigationPane pane;
    pane.push(pickerPage(&pane));
    // A click taps, Escape goes back from the card and then closes the window.
    hx::trellan::window::ScreenWindow window(&pane);
    return window.run();
}
