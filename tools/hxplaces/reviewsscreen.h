#ifndef HXPLACES_REVIEWSSCREEN_H
#define HXPLACES_REVIEWSSCREEN_H

#include <hx/trellan/page.h>

// The review sheet of a stored point of interest, opened over a plain page that names the place.
class ReviewsScreen : public hx::trellan::Page
{
    Q_OBJECT
public:
    explicit ReviewsScreen(QObject *parent = nullptr);

    // Opens the sheet for the stored place; false with a message when there is no such place.
    bool open(qint64 placeId, QString *message);
};

#endif
