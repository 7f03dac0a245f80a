#ifndef HX_TRELLAN_WINDOW_SCREENWINDOW_H
#define HX_TRELLAN_WINDOW_SCREENWINDOW_H

#include <hx/trellan/picture/screenarea.h>
#include <hx/trellan/window/screentouch.h>

#include <QtCore/QEventLoop>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QImage>
#include <QtGui/QRasterWindow>

namespace hx {
namespace trellan {
namespace window {

// Any control tree in a desktop window at the simulated display size (smaller when the desktop
// is), painted by the same painter as a screen's picture and painted again whenever the
// picture changes. The pointer is a finger: a click taps what is under it, a press of 600 ms or
// a right click opens its context menu, the wheel and a drag scroll the list under it. Keys go
// to the focused field; Enter submits it, Escape closes what is open or goes back, and from the
// first page leaves, as closing the window does.
//
// With HX_WINDOW_MAP naming a file, the window writes there, at each change, what it drew where
// (JSON, in window pixels): for a script that drives it with a real pointer.
class ScreenWindow : public QRasterWindow
{
    Q_OBJECT
public:
    explicit ScreenWindow(QObject *root, QWindow *parent = nullptr);
    ~ScreenWindow() override;

    // Shows the window and runs until the user leaves (0) or quit() is called with a code.
    int run();

public slots:
    void quit(int code = 0);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void refresh();
    void holdLongEnough();

private:
    QRectF pictureRect() const;
    QPointF toPicture(const QPointF &point) const;
    QRectF toWindow(const QRectF &rect) const;
    void paintOverflow(QImage *image, QList<hx::trellan::picture::ScreenArea> *areas) const;
    void report(bool done);
    void writeMap() const;

    QPointer<QObject> m_root;
    ScreenTouch m_touch;
    QImage m_picture;
    QList<hx::trellan::picture::ScreenArea> m_areas;
    QString m_title;
    QTimer m_poll;
    QTimer m_hold;
    QPointF m_pressed; // in the picture
    QPointF m_last; // where the drag was last, in the picture
    bool m_pressing = false;
    bool m_dragging = false;
    bool m_pressUsed = false;
    qreal m_dragRest = 0;
    int m_wheelRest = 0;
    QEventLoop m_loop;
    int m_code = 0;
    bool m_finished = false;
};

} // namespace window
} // namespace trellan
} // namespace hx

#endif
