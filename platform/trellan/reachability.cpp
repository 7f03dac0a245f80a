#include <hx/system/systemui.h>
#include <hx/trellan/actionset.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/control.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/navigationpaneproperties.h>
#include <hx/trellan/page.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/titlebar.h>

#include <QtCore/QSet>

#include "reachability_p.h"

namespace hx {
namespace trellan {

namespace {
// The open sheet or dialog object lies in (itself included), or null for the root's layer.
const QObject *overlayOf(const QObject *object)
{
    for (const QObject *node = object; node; node = node->parent()) {
        if (qobject_cast<const Sheet *>(node) || qobject_cast<const Dialog *>(node))
            return node;
    }
    return nullptr;
}

bool isOpen(const QObject *overlay)
{
    if (const auto *sheet = qobject_cast<const Sheet *>(overlay))
        return sheet->isOpened();
    if (const auto *dialog = qobject_cast<const Dialog *>(overlay))
        return dialog->isOpened();
    return false;
}

const ActionSet *actionSetOf(const QObject *object)
{
    for (const QObject *node = object; node; node = node->parent()) {
        if (const auto *set = qobject_cast<const ActionSet *>(node))
            return set;
    }
    return nullptr;
}

// The system dialog on top of everything, described; empty when only toasts are up.
QString topSystemDialog()
{
    const QList<hx::system::SystemUiRecord> shown = hx::system::SystemUi::visible();
    for (int i = shown.size() - 1; i >= 0; --i) {
        const hx::system::SystemUiRecord &record = shown.at(i);
        if (record.kind == hx::system::SystemUiRecord::Toast)
            continue;
        const char *kind = record.kind == hx::system::SystemUiRecord::Dialog ? "SystemDialog" : "SystemProgressDialog";
        const QString name = record.objectName.isEmpty() ? record.title : record.objectName;
        return name.isEmpty() ? QLatin1String(kind) : QStringLiteral("%1 \"%2\"").arg(QLatin1String(kind), name);
    }
    return QString();
}

// The toolkit overlay on top (the newest dialog, else the newest sheet), or null.
const QObject *topOverlay()
{
    const QList<Dialog *> dialogs = Dialog::openDialogs();
    if (!dialogs.isEmpty())
        return dialogs.last();
    const QList<Sheet *> sheets = Sheet::openSheets();
    return sheets.isEmpty() ? nullptr : sheets.last();
}

// What covers the layer of object; empty when that layer is on top.
QString coverOf(const QObject *object, bool inContextMenu)
{
    const QString system = topSystemDialog();
    if (!system.isEmpty())
        return system;
    if (inContextMenu)
        return QString();
    if (ContextMenu::isOpen())
        return QStringLiteral("the context menu of %1").arg(Reachability::describe(ContextMenu::owner()));
    const QObject *top = topOverlay();
    if (top && top != overlayOf(object))
        return Reachability::describe(top);
    return QString();
}

QString hiddenBy(const QObject *object, const QObject *node, const QString &why)
{
    if (node == object)
        return QStringLiteral("%1 %2").arg(Reachability::describe(object), why);
    return QStringLiteral("%1 is in %2, which %3")
        .arg(Reachability::describe(object), Reachability::describe(node), why);
}

QString pageProblem(const QObject *object, const NavigationPane *pane, const Page *page)
{
    if (pane->indexOf(const_cast<Page *>(page)) < 0)
        return hiddenBy(object, page, QStringLiteral("was popped off %1").arg(Reachability::describe(pane)));
    return QStringLiteral("%1 is on %2, covered by %3")
        .arg(Reachability::describe(object), Reachability::describe(page), Reachability::describe(pane->top()));
}

QString backButtonProblem(const QObject *object, const NavigationPaneProperties *properties)
{
    const auto *page = qobject_cast<const Page *>(properties->parent());
    const auto *pane = page ? qobject_cast<const NavigationPane *>(page->parent()) : nullptr;
    if (!pane)
        return QStringLiteral("%1 is the back button of a page on no navigation pane")
            .arg(Reachability::describe(object));
    if (!pane->backButtonsVisible())
        return QStringLiteral("%1 is a back button of %2, whose back buttons are hidden")
            .arg(Reachability::describe(object), Reachability::describe(pane));
    return QString();
}

// Why the path from object up to its layer hides it; empty when everything on it is shown.
QString pathProblem(const QObject *object)
{
    const QObject *child = nullptr;
    for (const QObject *node = object; node; child = node, node = node->parent()) {
        if (const auto *control = qobject_cast<const Control *>(node)) {
            if (!control->isVisible())
                return hiddenBy(object, node, QStringLiteral("is hidden"));
        } else if (const auto *bar = qobject_cast<const TitleBar *>(node)) {
            if (!bar->isVisible())
                return hiddenBy(object, node, QStringLiteral("is hidden"));
        } else if (const auto *pane = qobject_cast<const NavigationPane *>(node)) {
            const auto *page = qobject_cast<const Page *>(child);
            if (page && pane->top() != page)
                return pageProblem(object, pane, page);
        } else if (const auto *properties = qobject_cast<const NavigationPaneProperties *>(node)) {
            const QString problem = backButtonProblem(object, properties);
            if (!problem.isEmpty())
                return problem;
        } else if (qobject_cast<const Sheet *>(node) || qobject_cast<const Dialog *>(node)) {
            if (!isOpen(node))
                return hiddenBy(object, node, QStringLiteral("is not open"));
            return QString();
        }
    }
    return QString();
}

// Objects in the order first met, each once. One layer's objects are distinct; the set that
// keeps later layers from repeating them is built only when a second layer comes, as a screen
// holds hundreds of objects and usually one layer.
struct Collected
{
    QList<QObject *> found;
    QSet<const QObject *> seen;
    bool layered = false;

    void beginLayer()
    {
        if (layered || found.isEmpty())
            return;
        layered = true;
        seen.reserve(found.size());
        for (const QObject *object : qAsConst(found))
            seen.insert(object);
    }
    void add(QObject *object)
    {
        if (!layered) {
            found.append(object);
            return;
        }
        if (!seen.contains(object)) {
            seen.insert(object);
            found.append(object);
        }
    }
};

// base and its descendants (only those named name, when a name is given), each once.
void collect(const QObject *base, Collected *collected, const QString *name = nullptr)
{
    if (!base)
        return;
    collected->beginLayer();
    auto *self = const_cast<QObject *>(base);
    if (!name || self->objectName() == *name)
        collected->add(self);
    const QList<QObject *> children = name ? base->findChildren<QObject *>(*name) : base->findChildren<QObject *>();
    for (QObject *child : children)
        collected->add(child);
}

QList<QObject *> onScreenLayers(const QObject *root, const QString *name)
{
    Collected collected;
    collect(root, &collected, name);
    for (const Sheet *sheet : Sheet::openSheets())
        collect(sheet, &collected, name);
    for (const Dialog *dialog : Dialog::openDialogs())
        collect(dialog, &collected, name);
    for (const ActionSet *set : ContextMenu::actionSets())
        collect(set, &collected, name);
    return collected.found;
}
} // namespace

QString Reachability::describe(const QObject *object)
{
    if (!object)
        return QStringLiteral("nothing");
    QString kind = QString::fromLatin1(object->metaObject()->className());
    kind = kind.mid(kind.lastIndexOf(QLatin1Char(':')) + 1);
    if (object->objectName().isEmpty())
        return kind;
    return QStringLiteral("%1 \"%2\"").arg(kind, object->objectName());
}

QString Reachability::whyUnreachable(const QObject *root, const QObject *object)
{
    Q_UNUSED(root)
    if (!object)
        return QStringLiteral("nothing to reach");
    if (const ActionSet *set = actionSetOf(object)) {
        if (!ContextMenu::shows(set))
            return QStringLiteral("%1 is in a context menu that is not open").arg(describe(object));
        const QString cover = coverOf(object, true);
        return cover.isEmpty() ? QString() : QStringLiteral("%1 is covered by %2").arg(describe(object), cover);
    }
    const QString problem = pathProblem(object);
    if (!problem.isEmpty())
        return problem;
    const QString cover = coverOf(object, false);
    if (!cover.isEmpty())
        return QStringLiteral("%1 is covered by %2").arg(describe(object), cover);
    return QString();
}

QList<QObject *> Reachability::everything(const QObject *root)
{
    return onScreenLayers(root, nullptr);
}

QList<QObject *> Reachability::candidates(const QObject *root, const QString &objectName)
{
    QList<QObject *> shown;
    QList<QObject *> hidden;
    for (QObject *object : onScreenLayers(root, &objectName)) {
        if (whyUnreachable(root, object).isEmpty())
            shown.append(object);
        else
            hidden.append(object);
    }
    return shown + hidden;
}

} // namespace trellan
} // namespace hx
