#ifndef HXPLACES_PICKRESOLVER_H
#define HXPLACES_PICKRESOLVER_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>

#include <QtCore/QSharedPointer>

// What happens after a row is tapped: the row's record becomes a full place, an address
// without coordinates is geocoded near the user, and the place is saved as a recent pick
// (duplicates resolve to the stored twin). The pick then leaves as the SelectedPlace JSON text
// a picker card returns.
class PickResolver
{
public:
    static QSharedPointer<hx::platform::places::Place>
    resolve(const QSharedPointer<hx::platform::places::AbstractPlace> &row,
            const hx::platform::places::Coordinates &near, bool showErrors, hx::platform::places::Error::Type *error);

    // The SelectedPlace JSON of a picked place; empty for none.
    static QString json(const QSharedPointer<hx::platform::places::Place> &place);

private:
    static void geocode(hx::platform::places::Place &place, const hx::platform::places::Coordinates &near);
};

#endif
