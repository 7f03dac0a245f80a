#ifndef HXPLACES_PICKRESOLVER_H
#define HXPLACES_PICKRESOLVER_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>

#include <QtCore/QSharedPointer>

// What happens after a row is tapped: the row's record becomes a full place, an address
// without coordinates is geocoded near the user, and the place is saved as a recent pick
// (duplicates resolve to the stored twin).
class PickResolver
{
public:
    static QSharedPointer<hx::platform::places::Place>
    resolve(const QSharedPointer<hx::platform::places::AbstractPlace> &row,
            const hx::platform::places::Coordinates &near, bool showErrors, hx::platform::places::Error::Type *error);

private:
    static void geocode(hx::platform::places::Place &place, const hx::platform::places::Coordinates &near);
};

#endif
