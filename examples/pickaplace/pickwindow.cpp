#include "pickwindow.h"

#include <hx/trellan/picture/screenpicture.h>
#include <hx/trellan/places/placepicker.h>
#include <hx/trellan/places/placeviewpage.h>
#include <hx/trellan/places/selectedplace.h>

#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>

#include <cstdio>

using namespace hx::trellan::places;

namespace {
const int ButtonStrip = 64;
}

PickWindow::PickWindow()
{
    setTitle(QStringLiteral("Pick a place"));
    // The card keeps the phone's proportions, 9 by 16.
    resize(405, ButtonStrip + 720);
    m_redraw.setInterval(500);
    connect(&m_redraw, &QTimer::timeout, this, qOverload<>(&QRasterWindow::update));
}

PickWindow::~PickWindow() = default;

QRect PickWindow::buttonRect() const
{
    return QRect(16, 12, width() - 32, ButtonStrip - 24);
}

QRect PickWindow::cardRect() const
{
    return QRect(0, ButtonStrip, width(), height() - ButtonStrip);
}

void PickWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(0, 0), size()), QColor(0xf2, 0xf2, 0xf2));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_picking ? QColor(0x9e, 0x9e, 0x9e) : QColor(0x00, 0x73, 0xbc));
    painter.drawRoundedRect(buttonRect(), 6, 6);
    QFont font = painter.font();
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(buttonRect(), Qt::AlignCenter,
                     m_picking ? QStringLiteral("Picking...") : QStringLiteral("Pick a place"));

    if (m_card) {
        painter.drawImage(cardRect().topLeft(),
                          hx::trellan::picture::ScreenPicture::render(m_card.data(), cardRect().size()));
    } else {
        painter.setFont(QFont());
        painter.setPen(Qt::darkGray);
        painter.drawText(cardRect(), Qt::AlignCenter, QStringLiteral("The place you pick is shown here."));
    }
}

void PickWindow::mouseReleaseEvent(QMouseEvent *event)
{
    // Picking waits for the card in a nested event loop: start it after this event, not in it.
    if (event->button() == Qt::LeftButton && buttonRect().contains(event->pos()))
        QTimer::singleShot(0, this, &PickWindow::pick);
}

void PickWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Quit))
        close();
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        QTimer::singleShot(0, this, &PickWindow::pick);
}

void PickWindow::pick()
{
    // One card at a time: the window still takes clicks while the card is open.
    if (m_picking)
        return;
    m_picking = true;
    update();
    PlacePicker picker;
    const SelectedPlace *place = picker.show();
    m_picking = false;
    update();
    if (!place)
        return; // the user cancelled
    std::printf("picked: %s\n", qPrintable(place->name()));
    std::fflush(stdout);
    showCard(place->id());
}

void PickWindow::showCard(qint64 placeId)
{
    // The card stored the pick, so the place card reads it back by its id.
    m_card.reset(new hx::trellan::NavigationPane);
    auto *card = new PlaceViewPage(placeId, PlaceViewMode::View);
    m_card->push(card);
    emit card->setActions();
    m_redraw.start();
    update();
}
