#include "controlpainter_p.h"

#include <hx/system/systemui.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/picture/screenpicture.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/uiconfig.h>
#include <hx/trellan/virtualkeyboard.h>

#include <QtGui/QImageWriter>
#include <QtGui/QPainter>

namespace hx {
namespace trellan {
namespace picture {

QImage ScreenPicture::render(const QObject *root, const QSize &size, QStringList *missing, QList<ScreenArea> *areas)
{
    const QSize display = size.isValid() ? size : UIConfig::displaySize();
    QImage image(display, QImage::Format_ARGB32_Premultiplied);
    image.fill(ControlPainter::background());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    ControlPainter controls(&painter, display.width() / 720.0);
    const QRectF screen(QPointF(0, 0), display);
    // An open sheet covers the screen; a toolkit dialog is drawn over whatever is under it.
    const QList<Sheet *> sheets = Sheet::openSheets();
    controls.paintScreen(sheets.isEmpty() ? root : sheets.last(), screen);
    for (const Dialog *dialog : Dialog::openDialogs())
        controls.paintScreen(dialog, screen);
    if (ContextMenu::isOpen())
        controls.paintContextMenu(screen);
    if (VirtualKeyboard::isShown())
        controls.paintKeyboard(screen);
    for (const hx::system::SystemUiRecord &record : hx::system::SystemUi::visible())
        controls.paintSystemUi(record, screen);
    if (missing)
        *missing = controls.placeholders();
    if (areas)
        *areas = controls.areas();
    return image;
}

bool ScreenPicture::save(const QObject *root, const QString &path, QString *error, const QSize &size,
                         QStringList *missing)
{
    QImageWriter writer(path, "png");
    if (writer.write(render(root, size, missing)))
        return true;
    *error = QStringLiteral("%1: %2").arg(path, writer.errorString());
    return false;
}

} // namespace picture
} // namespace trellan
} // namespace hx
