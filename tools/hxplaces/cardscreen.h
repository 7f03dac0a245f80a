#ifndef HXPLACES_CARDSCREEN_H
#define HXPLACES_CARDSCREEN_H

#include <hx/trellan/navigationpane.h>

// The whole card of a stored place on a navigation pane, with its action bar and back button; an
// id that is not stored shows the card's own not-found dialog.
class CardScreen : public hx::trellan::NavigationPane
{
    Q_OBJECT
public:
    explicit CardScreen(QObject *parent = nullptr);

    bool open(qint64 placeId, QString *message);
};

#endif
