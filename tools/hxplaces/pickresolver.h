#ifndef HXPLACES_PICKRESOLVER_H
#define HXPLACES_PICKRESOLVER_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>

#include <QtCore/QSharedPointer>
#include <QtCore/QString>

// What happens after a row is tapped: the row's record becomes a full place, an address
// without coordinates is geocoded, and the place is saved as a recent pick (duplicates resolve
// to the stored twin). The pick then leaves as the SelectedPlace JSON text a picker card
// returns.
class PickResolver
{
public:
    // interactive: the geocoding shows its dialogs ("Retrieving details...", the not-found
    // question) and store errors are shown too; otherwise nothing is shown. Null with
    // error 0 when the user gave up; null with the store's error when the pick failed.
    static QSharedPointer<hx::platform::places::Place>
    resolve(const QSharedPointer<hx::platform::places::AbstractPlace> &row, bool interactive,
            hx::platform::places::Error::Type *error);

    // The SelectedPlace JSON of a picked place; empty for none.
    static QString json(const QSharedPointer<hx::platform::places::Place> &place);

private:
    // False when the user cancelled.
    static bool geocode(hx::platform::places::Place &place, bool interactive);
};

#endif
