#ifndef HX_TRELLAN_PICTURE_CONTROLPAINTER_P_H
#define HX_TRELLAN_PICTURE_CONTROLPAINTER_P_H

#include <hx/system/systemuirecord.h>
#include <hx/trellan/picture/screenarea.h>
#include <hx/trellan/textstyle.h>

#include <QtCore/QRectF>
#include <QtCore/QStringList>
#include <QtCore/QUrl>
#include <QtGui/QColor>
#include <QtGui/QFont>

class QObject;
class QPainter;

namespace hx {
namespace trellan {

class ActionItem;
class Container;
class Control;
class DropDown;
class Image;
class ListView;
class Page;
class TitleBar;

namespace picture {

// Measures and paints controls for ScreenPicture: each kind of control knows its natural size
// for a width and how it looks inside a rectangle. Sizes are those of a 720-pixel-wide
// display, multiplied by the scale.
class ControlPainter
{
public:
    ControlPainter(QPainter *painter, qreal scale);

    static QColor background();

    // A page, pane, sheet, dialog or any control, filling the screen.
    void paintScreen(const QObject *object, const QRectF &screen);
    void paintSystemUi(const hx::system::SystemUiRecord &record, const QRectF &screen);
    // The open context menu and the shown keyboard, over everything but the system dialogs.
    void paintContextMenu(const QRectF &screen);
    void paintKeyboard(const QRectF &screen);
    // The names of the assets drawn as frames because they could not be loaded, once each.
    QStringList placeholders() const { return m_placeholders; }
    // Where each thing a finger may land on was drawn, in the order drawn.
    QList<ScreenArea> areas() const { return m_areas; }

private:
    QSizeF naturalSize(const Control *control, qreal width) const;
    QSizeF containerSize(const Container *container, qreal width) const;
    QSizeF listSize(const ListView *list, qreal width) const;
    QSizeF imageSize(const Image &image, const QUrl &source) const;
    QSizeF textSize(const QString &text, const TextStyle &style, qreal width, bool multiline) const;

    void paint(const Control *control, const QRectF &rect);
    void paintControl(const Control *control, const QRectF &rect);
    void paintDropDown(const DropDown *dropDown, const QRectF &rect);
    void paintAction(const ActionItem *action, const QRectF &cell, bool signature);
    void paintContainer(const Container *container, const QRectF &rect);
    void paintStack(const Container *container, const QRectF &inner, int orientation);
    void paintDock(const Container *container, const QRectF &inner);
    void paintList(const ListView *list, const QRectF &rect);
    void paintPage(const Page *page, const QRectF &rect);
    qreal titleBarHeight(const TitleBar *bar, qreal width) const;
    void paintTitleBar(const TitleBar *bar, const QRectF &rect);
    void paintActionBar(const Page *page, const QRectF &rect);
    // The drawing alignment of a control's horizontal alignment; filling counts as left.
    static Qt::Alignment horizontalOf(int alignment);
    void paintText(const QString &text, const TextStyle &style, const QRectF &rect, bool multiline,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
    void paintBox(const QRectF &rect, const QColor &fill, const QColor &border);
    // Where text that would touch the screen's left side is drawn instead.
    QRectF awayFromEdges(const Control *control, const QRectF &rect) const;
    void paintImage(const QImage &image, const QRectF &rect);
    // The image, or a frame with the asset's name when it could not be loaded.
    void paintAsset(const Image &image, const QUrl &source, const QRectF &rect);
    void paintButtonRow(const hx::system::SystemUiRecord &record, const QRectF &rect);

    QFont font(const TextStyle &style) const;
    QColor textColor(const TextStyle &style) const;
    qreal px(qreal pixels) const { return pixels * m_scale; }

    // Notes an area, cut to what the clip of the page or list leaves visible.
    ScreenArea &note(ScreenArea::Kind kind, const QRectF &rect, const QObject *object = nullptr);
    void clipTo(const QRectF &rect);

    QPainter *m_painter;
    qreal m_scale;
    QStringList m_placeholders;
    QList<ScreenArea> m_areas;
    QRectF m_clip;
    // The row being drawn, for the controls inside it.
    const ListView *m_rowList = nullptr;
    QVariantList m_rowPath;
};

} // namespace picture
} // namespace trellan
} // namespace hx

#endif
