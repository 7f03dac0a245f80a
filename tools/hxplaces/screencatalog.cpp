#include "screencatalog.h"

#include "detailsscreen.h"
#include "dialogsscreen.h"
#include "editscreen.h"
#include "fullviewscreen.h"
#include "localsearchscreen.h"
#include "locatingscreen.h"
#include "myplacesscreen.h"
#include "newselectorscreen.h"
#include "placescreen.h"
#include "previewscreen.h"
#include "resultsscreen.h"
#include "reviewsscreen.h"
#include "searchscreen.h"
#include "selectorscreen.h"
#include "sharepreviewscreen.h"
#include "universalsearchpreviewscreen.h"

#include <hx/platform/places/coordinates.h>

QStringList ScreenCatalog::names()
{
    return { QStringLiteral("details"),      QStringLiteral("dialogs"),    QStringLiteral("edit"),
             QStringLiteral("locating"),     QStringLiteral("new"),        QStringLiteral("place"),
             QStringLiteral("preview"),      QStringLiteral("results"),    QStringLiteral("reviews"),
             QStringLiteral("search"),       QStringLiteral("selector"),   QStringLiteral("fullview"),
             QStringLiteral("sharepreview"), QStringLiteral("uspreview"),  QStringLiteral("newselector"),
             QStringLiteral("myplaces"),     QStringLiteral("localsearch") };
}

using hx::platform::places::Coordinates;

namespace {

// A screen of one stored place, opened by its id.
template<typename Screen> QObject *createForPlace(const QString &name, const QStringList &arguments, QString *message)
{
    bool ok = false;
    const qint64 id = arguments.size() == 1 ? arguments.first().toLongLong(&ok) : 0;
    if (!ok || id <= 0) {
        *message = QStringLiteral("the %1 screen takes one stored place id").arg(name);
        return nullptr;
    }
    auto *screen = new Screen;
    if (!screen->open(id, message)) {
        delete screen;
        return nullptr;
    }
    return screen;
}

// The assistant card: a stored place id and the card's mode (0 when left out).
QObject *createFullView(const QStringList &arguments, QString *message)
{
    bool idOk = false, modeOk = true;
    const qint64 id = !arguments.isEmpty() ? arguments.first().toLongLong(&idOk) : 0;
    const int mode = arguments.size() == 2 ? arguments.at(1).toInt(&modeOk) : 0;
    if (!idOk || id <= 0 || !modeOk || arguments.size() > 2) {
        *message = QStringLiteral("the fullview screen takes one stored place id and an optional mode number");
        return nullptr;
    }
    auto *screen = new FullViewScreen;
    if (!screen->open(id, mode, message)) {
        delete screen;
        return nullptr;
    }
    return screen;
}

// The local search: the words to search for, then "--near" and the place when one was given.
QObject *createLocalSearch(QStringList arguments, QString *message)
{
    QString near;
    const int option = arguments.indexOf(QStringLiteral("--near"));
    if (option >= 0) {
        near = arguments.value(option + 1);
        arguments = arguments.mid(0, option);
    }
    auto *screen = new LocalSearchScreen;
    if (!screen->open(arguments, near, message)) {
        delete screen;
        return nullptr;
    }
    return screen;
}

} // namespace

QObject *ScreenCatalog::create(const QString &name, const QStringList &arguments, const Coordinates &position,
                               QString *message)
{
    if (!names().contains(name)) {
        *message = QStringLiteral("no screen \"%1\" (screens: %2)").arg(name, names().join(QStringLiteral(", ")));
        return nullptr;
    }
    if (name == QLatin1String("reviews"))
        return createForPlace<ReviewsScreen>(name, arguments, message);
    if (name == QLatin1String("place"))
        return createForPlace<PlaceScreen>(name, arguments, message);
    if (name == QLatin1String("preview"))
        return createForPlace<PreviewScreen>(name, arguments, message);
    if (name == QLatin1String("details"))
        return createForPlace<DetailsScreen>(name, arguments, message);
    if (name == QLatin1String("results")) {
        if (arguments.isEmpty()) {
            *message = QStringLiteral("the results screen takes the text to search for");
            return nullptr;
        }
        return new ResultsScreen(arguments.join(QLatin1Char(' ')), position);
    }
    if (name == QLatin1String("edit"))
        return createForPlace<EditScreen>(name, arguments, message);
    if (name == QLatin1String("uspreview"))
        return createForPlace<UniversalSearchPreviewScreen>(name, arguments, message);
    if (name == QLatin1String("fullview"))
        return createFullView(arguments, message);
    if (name == QLatin1String("localsearch"))
        return createLocalSearch(arguments, message);
    if (name == QLatin1String("sharepreview")) {
        if (arguments.size() != 1) {
            *message = QStringLiteral("the sharepreview screen takes one place URL");
            return nullptr;
        }
        return new SharePreviewScreen(arguments.first());
    }
    if (name == QLatin1String("newselector")) {
        const QString kind = arguments.isEmpty() ? QStringLiteral("favorite") : arguments.first();
        if (arguments.size() > 1 || !NewSelectorScreen::isKind(kind)) {
            *message = QStringLiteral("the newselector screen takes home, work or favorite");
            return nullptr;
        }
        return new NewSelectorScreen(kind);
    }
    if (!arguments.isEmpty()) {
        *message = QStringLiteral("the %1 screen takes no arguments").arg(name);
        return nullptr;
    }
    if (name == QLatin1String("search"))
        return new SearchScreen(position);
    if (name == QLatin1String("locating"))
        return new LocatingScreen;
    if (name == QLatin1String("new")) {
        auto *screen = new EditScreen;
        screen->open(0, message);
        return screen;
    }
    if (name == QLatin1String("selector"))
        return new SelectorScreen;
    if (name == QLatin1String("myplaces"))
        return new MyPlacesScreen;
    return new DialogsScreen;
}
