#ifndef HXPLACES_PLACESCREEN_H
#define HXPLACES_PLACESCREEN_H

#include <hx/trellan/navigationpane.h>

// The whole card of a stored place on a navigation pane, with its action bar and back button; an
// id that is not stored shows the card's own not-found dialog.
class PlaceScreen : public hx::trellan::NavigationPane
{
    Q_OBJECT
public:
    explicit PlaceScreen(QObject *parent = nullptr);

    bool open(qint64 placeId, QString *message);
};

#endif
