#ifndef HXPLACES_SELECTEDPLACETEXT_H
#define HXPLACES_SELECTEDPLACETEXT_H

#include <hx/platform/places/place.h>

#include <QtCore/QSharedPointer>
#include <QtCore/QString>

// The JSON text a picker card hands back for a picked place.
class SelectedPlaceText
{
public:
    static QString encode(const QSharedPointer<hx::platform::places::Place> &place);
};

#endif
