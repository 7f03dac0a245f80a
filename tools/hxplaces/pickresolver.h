#ifndef HXPLACES_PICKRESOLVER_H
#define HXPLACES_PICKRESOLVER_H

#include <hx/platform/places/place.h>

#include <QtCore/QSharedPointer>
#include <QtCore/QString>

// A place leaves the tool as the SelectedPlace JSON text a picker card returns.
class PickResolver
{
public:
    // The SelectedPlace JSON of a place; empty for none.
    static QString json(const QSharedPointer<hx::platform::places::Place> &place);
};

#endif
