// pickaplace: a window with a "Pick a place" button. The button opens the place picker card;
// the place picked is printed and its card shown in the window.
#include "pickwindow.h"

#include <hx/device/desktopplatform.h>

#include <QtGui/QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("pickaplace"));

    // The phone the picker runs on: its settings, the location and address services and the
    // card registry, taken from the environment or set up for this program alone.
    hx::device::DesktopPlatform platform;
    QString message;
    if (!platform.start(&message)) {
        std::fprintf(stderr, "pickaplace: %s\n", qPrintable(message));
        return 1;
    }

    PickWindow window;
    window.show();
    return application.exec();
}
