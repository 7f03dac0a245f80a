#ifndef PICKWINDOW_H
#define PICKWINDOW_H

#include <hx/trellan/navigationpane.h>

#include <QtCore/QScopedPointer>
#include <QtCore/QTimer>
#include <QtGui/QRasterWindow>

// The program's window: a "Pick a place" button, and under it the card of the place picked
// last. Enter presses the button too; Ctrl+Q quits.
class PickWindow : public QRasterWindow
{
    Q_OBJECT

public:
    PickWindow();
    ~PickWindow() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void pick();
    void showCard(qint64 placeId);
    QRect buttonRect() const;
    QRect cardRect() const;

    QScopedPointer<hx::trellan::NavigationPane> m_card;
    // The card's map is drawn on a worker and arrives after the card opens.
    QTimer m_redraw;
    bool m_picking = false;
};

#endif
