#ifndef HX_TRELLAN_SCREENTEXT_H
#define HX_TRELLAN_SCREENTEXT_H

#include <QtCore/QString>

class QObject;
class QUrl;

namespace hx {
namespace trellan {

class Image;

// A control tree as plain text, one line per thing a user would see: title bars, labels,
// fields with their text, images by their asset name, list rows with their keys and texts,
// buttons, an expanded drop-down's options, the action bar by place, then every open sheet and
// dialog, an open context menu, the system dialogs and toasts, and the virtual keyboard when it
// shows. Hidden controls are left out; the focused control or action is marked. Lines look like
//   Label "Distance": 1.2 km
//   TextField "SearchField": [water] (focused)
//   ImageView "FavoriteStar": [img ic_favorite.png]
//   ListView "results": 2 rows
//     [0] TYPE_POI: [img poi.png] | Waterloo | Ontario
//   Action bar: left Map | centre Select (signature) | right Share | overflow: Edit, Delete (disabled)
class ScreenText
{
public:
    static QString render(const QObject *root);
    // Only the tree under root, without the open sheets and dialogs.
    static QString renderTree(const QObject *root);
    // How texts() shows an image: "[img name]", or the one-cell symbol its file names (the
    // bare name when it names none), as a terminal draws it.
    enum ImageForm { ImageNames, ImageSymbols };
    // The texts a user reads inside a control (labels, fields, headers), joined by " | ".
    static QString texts(const QObject *control, ImageForm form = ImageNames);
    // An image as texts() shows it; empty for none.
    static QString imageText(const QUrl &source, const Image &image, ImageForm form = ImageNames);
    // A control's text without its markup tags, as the user reads it.
    static QString withoutMarkup(const QString &text);
};

} // namespace trellan
} // namespace hx

#endif
