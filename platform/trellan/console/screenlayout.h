#ifndef HX_TRELLAN_CONSOLE_SCREENLAYOUT_H
#define HX_TRELLAN_CONSOLE_SCREENLAYOUT_H

#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVariant>

namespace hx {
namespace trellan {

class ActionItem;

namespace console {

// What a person sees of a control tree, as lines of text, and the things on it that can be
// reached: fields, buttons, drop-downs and their options, list rows, actions. The topmost
// layer is the one that takes keys: an open toolkit dialog, else the top open sheet, else the
// root. System dialogs and toasts are read from the SystemUi registry by the caller.
class ScreenLayout
{
public:
    struct Target
    {
        enum Kind { Field, Button, DropDown, Option, Row, Tappable, Action };
        Kind kind = Button;
        QString name; // object name, or a button's text when it has none
        QVariantList indexPath; // rows
        int index = -1; // options of a drop-down, radio group or title bar
        int row = -1; // rows: the row's number in the list, from 0
        bool titleBar = false; // actions: on the title bar rather than the action bar
        QPointer<QObject> object;
        bool enabled = true;
    };

    struct Line
    {
        enum Style { Plain, Heading, Field, Button, Row, Muted };
        int depth = 0;
        QString text;
        Style style = Plain;
        int target = -1; // index into targets(), -1 for text only
    };

    // Drop-downs named in expanded show their options as lines of their own.
    static ScreenLayout of(const QObject *root, const QStringList &expanded = {});
    // Only the tree under object, whatever is open above it.
    static ScreenLayout ofTree(const QObject *object, const QStringList &expanded = {});

    QString title() const { return m_title; }
    const QList<Line> &lines() const { return m_lines; }
    // What can be reached with Up and Down, in screen order.
    const QList<Target> &targets() const { return m_targets; }
    // The title bar's actions, then the action bar's: reached with Tab.
    const QList<Target> &actions() const { return m_actions; }
    // True when the keys go to an open toolkit dialog (its lines are boxed over the screen).
    bool isDialog() const { return m_dialog; }

    // The first field, for typing when nothing else is highlighted; -1 when none.
    int firstField() const;
    // The targets of a kind, for naming them in error messages.
    QStringList namesOf(Target::Kind kind) const;

private:
    friend class LayoutWriter;
    QString m_title;
    QList<Line> m_lines;
    QList<Target> m_targets;
    QList<Target> m_actions;
    bool m_dialog = false;
};

} // namespace console
} // namespace trellan
} // namespace hx

#endif
