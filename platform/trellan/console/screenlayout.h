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

// What a person sees of a control tree, as lines of text, and the things on it the test driver
// can reach and address by name or text: fields, buttons, drop-downs and their options, list
// rows, actions. The layer drawn is the topmost one: an open context menu, else an open toolkit
// dialog, else the top open sheet, else the root. System dialogs and toasts are read from the
// SystemUi registry by the caller.
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
        enum Place { Left, Centre, Right, Overflow };
        Place place = Left; // actions of the action bar
        bool signature = false;
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

    enum Layer { ScreenLayer, DialogLayer, MenuLayer };

    // Expanded drop-downs show their options as lines of their own.
    static ScreenLayout of(const QObject *root);
    // Only the tree under object, whatever is open above it; root decides what is reached.
    static ScreenLayout ofTree(const QObject *root, const QObject *object);
    // The layer under an open context menu or toolkit dialog, to draw beneath it.
    static const QObject *underneath(const QObject *root);

    QString title() const { return m_title; }
    const QList<Line> &lines() const { return m_lines; }
    // What can be reached with Up and Down, in screen order.
    const QList<Target> &targets() const { return m_targets; }
    // The title bar's actions, then the action bar's: reached with Tab.
    const QList<Target> &actions() const { return m_actions; }
    // A dialog's and a context menu's lines are boxed over the screen beneath.
    Layer layer() const { return m_layer; }

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
    Layer m_layer = ScreenLayer;
};

} // namespace console
} // namespace trellan
} // namespace hx

#endif
