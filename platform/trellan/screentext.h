#ifndef HX_TRELLAN_SCREENTEXT_H
#define HX_TRELLAN_SCREENTEXT_H

#include <QtCore/QString>

class QObject;

namespace hx {
namespace trellan {

// A control tree as plain text, one line per thing a user would read: title bars, labels,
// fields with their text, list rows with their keys and texts, buttons, the action bar, then
// every open sheet and dialog. Hidden controls are left out. Lines look like
//   Label "Distance": 1.2 km
//   TextField "SearchField": [water]
//   ListView "results": 2 rows
//     [0] TYPE_POI: Waterloo | Ontario
//   Actions: Save | Delete (disabled)
class ScreenText
{
public:
    static QString render(const QObject *root);
    // Only the tree under root, without the open sheets and dialogs.
    static QString renderTree(const QObject *root);
    // The texts a user reads inside a control (labels, fields, headers), joined by " | ".
    static QString texts(const QObject *control);
};

} // namespace trellan
} // namespace hx

#endif
