#ifndef HXPLACES_DETAILSSCREEN_H
#define HXPLACES_DETAILSSCREEN_H

#include <hx/trellan/page.h>

// The card of a stored place: its title bar, map, address, distance and details.
class DetailsScreen : public hx::trellan::Page
{
    Q_OBJECT
public:
    explicit DetailsScreen(QObject *parent = nullptr);

    // Shows the stored place; false with a message when there is no such place.
    bool open(qint64 placeId, QString *message);
};

#endif
