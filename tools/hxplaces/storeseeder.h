#ifndef HXPLACES_STORESEEDER_H
#define HXPLACES_STORESEEDER_H

#include <hx/platform/places/coordinates.h>

// Fills a new temporary store so that the picker has something of the user's to show: two
// favourites, a home (id 3), a work place, seven recent picks, a favourite café with its rating
// and reviews (id 12) and two contacts, all around a position. The README's examples use those ids.
class StoreSeeder
{
public:
    static constexpr qint64 RatedPlaceId = 12;
    static bool seed(const hx::platform::places::Coordinates &around);
};

#endif
