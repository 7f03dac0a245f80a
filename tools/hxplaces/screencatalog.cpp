#include "screencatalog.h"

#include "dialogsscreen.h"

QStringList ScreenCatalog::names()
{
    return { QStringLiteral("dialogs") };
}

QObject *ScreenCatalog::create(const QString &name, const QStringList &arguments, QString *message)
{
    if (!names().contains(name)) {
        *message = QStringLiteral("no screen \"%1\" (screens: %2)").arg(name, names().join(QStringLiteral(", ")));
        return nullptr;
    }
    if (!arguments.isEmpty()) {
        *message = QStringLiteral("the %1 screen takes no arguments").arg(name);
        return nullptr;
    }
    return new DialogsScreen;
}
