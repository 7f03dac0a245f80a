#ifndef HX_TRELLAN_PICTURE_SCREENPICTURE_H
#define HX_TRELLAN_PICTURE_SCREENPICTURE_H

#include <hx/trellan/picture/screenarea.h>

#include <QtCore/QList>
#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QImage>

class QObject;

namespace hx {
namespace trellan {
namespace picture {

// The screen a control tree makes, drawn as a phone would show it: the title bar, containers
// in their stack and dock layouts, labels in their text styles, fields, buttons, list rows
// with their images, the action bar, then open sheets, toolkit dialogs, and the system dialogs
// and toasts on top. Readable and faithful to the tree rather than exact to the pixel.
class ScreenPicture
{
public:
    // An empty size means the simulated display (HX_DISPLAY_SIZE, 720x1280 by default). An
    // image that cannot be loaded is drawn as a frame with its name; missing, when given,
    // receives the names of those drawn so, once each. areas, when given, receives where each
    // thing a finger may land on was drawn.
    static QImage render(const QObject *root, const QSize &size = QSize(), QStringList *missing = nullptr,
                         QList<ScreenArea> *areas = nullptr);
    // Writes the picture as PNG; false with a message when the file cannot be written.
    static bool save(const QObject *root, const QString &path, QString *error, const QSize &size = QSize(),
                     QStringList *missing = nullptr);
};

} // namespace picture
} // namespace trellan
} // namespace hx

#endif
