#include "screencatalog.h"

#include "cardscreen.h"
#include "detailsscreen.h"
#include "dialogsscreen.h"
#include "editscreen.h"
#include "locatingscreen.h"
#include "previewscreen.h"
#include "resultsscreen.h"
#include "reviewsscreen.h"
#include "searchscreen.h"
#include "selectorscreen.h"

QStringList ScreenCatalog::names()
{
    return { QStringLiteral("card"),    QStringLiteral("details"),  QStringLiteral("dialogs"),
             QStringLiteral("edit"),    QStringLiteral("locating"), QStringLiteral("new"),
             QStringLiteral("preview"), QStringLiteral("results"),  QStringLiteral("reviews"),
             QStringLiteral("search"),  QStringLiteral("selector") };
}

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

} // namespace

QObject *ScreenCatalog::create(const QString &name, const QStringList &arguments, QString *message)
{
    if (!names().contains(name)) {
        *message = QStringLiteral("no screen \"%1\" (screens: %2)").arg(name, names().join(QStringLiteral(", ")));
        return nullptr;
    }
    if (name == QLatin1String("reviews"))
        return createForPlace<ReviewsScreen>(name, arguments, message);
    if (name == QLatin1String("card"))
        return createForPlace<CardScreen>(name, arguments, message);
    if (name == QLatin1String("preview"))
        return createForPlace<PreviewScreen>(name, arguments, message);
    if (name == QLatin1String("details"))
        return createForPlace<DetailsScreen>(name, arguments, message);
    if (name == QLatin1String("results")) {
        if (arguments.isEmpty()) {
            *message = QStringLiteral("the results screen takes the text to search for");
            return nullptr;
        }
        return new ResultsScreen(arguments.join(QLatin1Char(' ')));
    }
    if (name == QLatin1String("edit"))
        return createForPlace<EditScreen>(name, arguments, message);
    if (!arguments.isEmpty()) {
        *message = QStringLiteral("the %1 screen takes no arguments").arg(name);
        return nullptr;
    }
    if (name == QLatin1String("search"))
        return new SearchScreen;
    if (name == QLatin1String("locating"))
        return new LocatingScreen;
    if (name == QLatin1String("new")) {
        auto *screen = new EditScreen;
        screen->open(0, message);
        return screen;
    }
    if (name == QLatin1String("selector"))
        return new SelectorScreen;
    return new DialogsScreen;
}
