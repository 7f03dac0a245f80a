#ifndef HX_TRELLAN_WINDOW_SCREENTOUCH_H
#define HX_TRELLAN_WINDOW_SCREENTOUCH_H

#include <hx/trellan/picture/screenarea.h>

#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QString>

namespace hx {
namespace trellan {

class Page;

namespace window {

// A finger and a keyboard on a screen drawn by ScreenPicture. The finger lands on the topmost
// area under it that does something and acts through the test driver, so it reaches only what
// the driver reaches; keys go to the focused field. Points are in the picture's pixels. Each
// call returns false, with error() saying why, when nothing was done.
class ScreenTouch
{
public:
    explicit ScreenTouch(QObject *root);

    // What the latest picture drew where.
    void setAreas(const QList<hx::trellan::picture::ScreenArea> &areas);

    bool tap(const QPointF &point);
    // A long press: the context menu of the row or control under the finger.
    bool longPress(const QPointF &point);
    // Moves the list under point by rows, down the list when positive.
    bool scroll(const QPointF &point, int rows);
    // Where the thing a tap at point would reach was drawn; empty when nothing is there.
    QRectF target(const QPointF &point) const;
    // The height of the row under point, or of a usual row: what a drag moves a list by.
    qreal rowHeight(const QPointF &point) const;

    bool type(const QString &text);
    bool erase();
    bool submit();
    // Closes what is open on top or goes back a page; false when there is nothing to leave but
    // the screen itself.
    bool back();

    // The page whose action bar overflow is open, else null.
    const Page *overflowPage() const;
    QString error() const { return m_error; }

private:
    const hx::trellan::picture::ScreenArea *at(const QPointF &point) const;
    bool tapArea(const hx::trellan::picture::ScreenArea &area);
    bool tapControl(const hx::trellan::picture::ScreenArea &area);
    QString typingField() const;
    bool collapseDropDowns();
    bool fail(const QString &why);
    bool driven(bool done);

    QPointer<QObject> m_root;
    QList<hx::trellan::picture::ScreenArea> m_areas;
    QString m_field;
    QPointer<QObject> m_overflow;
    QString m_error;
};

} // namespace window
} // namespace trellan
} // namespace hx

#endif
