#ifndef HX_TRELLAN_PICTURE_SCREENAREA_H
#define HX_TRELLAN_PICTURE_SCREENAREA_H

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QRectF>
#include <QtCore/QString>
#include <QtCore/QVariantList>

namespace hx {
namespace trellan {
namespace picture {

// Where a picture drew one thing a finger may land on, in the picture's pixels. A picture's
// areas come in the order drawn: a later one lies over an earlier one.
struct ScreenArea
{
    enum Kind {
        Control, // a control (object); inside a list's row, list and indexPath name the row
        List, // a list view (object) showing index rows whole; the rows lie over it
        Row, // a row (indexPath) of a list view (list)
        Option, // option index of a drop-down, radio group or title bar (object)
        Action, // an action (object) on a bar or in the context menu
        Overflow, // the action bar's overflow of a page (object)
        SystemButton, // a button of a system dialog or toast, by its label (text)
        Key, // a key of the on-screen keyboard, by the text it types (text)
        MenuBackdrop, // the screen around an open context menu
        DialogBackdrop, // the screen under a system dialog, which nothing below it may reach
    };

    Kind kind = Control;
    QRectF rect;
    QPointer<QObject> object;
    QPointer<QObject> list;
    QVariantList indexPath;
    int index = -1;
    QString text;
};

} // namespace picture
} // namespace trellan
} // namespace hx

#endif
