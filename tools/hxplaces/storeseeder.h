#ifndef HXPLACES_STORESEEDER_H
#define HXPLACES_STORESEEDER_H

#include <hx/platform/places/coordinates.h>

// Fills a new temporary store so that the picker has something of the user's to show: two
// favourites, a home, a work place, two recent picks and two contacts, all around a position.
class StoreSeeder
{
public:
    static bool seed(const hx::platform::places::Coordinates &around);
};

#endif
