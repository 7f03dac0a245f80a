#ifndef HX_TRELLAN_REACHABILITY_P_H
#define HX_TRELLAN_REACHABILITY_P_H

#include <QtCore/QList>
#include <QtCore/QString>

class QObject;

namespace hx {
namespace trellan {

// What a finger can reach on the screen under a root. The screen is a stack of layers: the
// root (the top page of each navigation pane in it), then every open sheet, then every open
// dialog, each newer one over the older ones, then an open context menu, then the system
// dialogs. Only the top layer can be touched, and in it only what is shown.
class Reachability
{
public:
    // Empty when a user can reach object; else why not, naming object and what hides or
    // covers it.
    static QString whyUnreachable(const QObject *root, const QObject *object);

    // Every object with this name under root, in the open sheets and dialogs, and in the open
    // context menu: the ones on screen first.
    static QList<QObject *> candidates(const QObject *root, const QString &objectName);
    // Every object of type T in the same places.
    template<typename T> static QList<T *> all(const QObject *root)
    {
        QList<T *> found;
        for (QObject *object : everything(root)) {
            if (auto *typed = qobject_cast<T *>(object))
                found.append(typed);
        }
        return found;
    }

    // A control as a user would point at it: its class and object name.
    static QString describe(const QObject *object);

private:
    static QList<QObject *> everything(const QObject *root);
};

} // namespace trellan
} // namespace hx

#endif
