#ifndef HXPLACES_FULLVIEWSCREEN_H
#define HXPLACES_FULLVIEWSCREEN_H

#include <hx/trellan/page.h>

// The voice assistant's card of a stored place in one of its modes, laid out by the
// application's document (examples/assets/PlaceViewFullView.qml).
class FullViewScreen : public hx::trellan::Page
{
    Q_OBJECT
public:
    explicit FullViewScreen(QObject *parent = nullptr);

    bool open(qint64 placeId, int mode, QString *message);
};

#endif
