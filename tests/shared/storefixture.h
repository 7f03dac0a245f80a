#ifndef HX_TEST_STOREFIXTURE_H
#define HX_TEST_STOREFIXTURE_H

#include <hx/platform/places/contactentry.h>
#include <hx/platform/places/place.h>

#include <QtCore/QList>
#include <QtCore/QString>

namespace hx {
namespace test {

// Fills the store of the current TestRoots with known places: call after TestRoots exists.
// Every helper returns the stored record with its id.
class StoreFixture
{
public:
    static hx::platform::places::Place makePlace(const QString &name, double latitude, double longitude,
                                                 const QString &street = QString(), const QString &city = QString());
    static hx::platform::places::Place addFavorite(const QString &name, double latitude, double longitude);
    static hx::platform::places::Place addRecent(const QString &name, double latitude, double longitude);
    static hx::platform::places::Place addHome(const QString &name, double latitude, double longitude);
    static hx::platform::places::Place addWork(const QString &name, double latitude, double longitude);
    // A contact with one home postal address (and a mobile phone and e-mail).
    static hx::platform::places::ContactEntry addContact(const QString &firstName, const QString &lastName,
                                                         const QString &street, const QString &city);
    // Two favourites, two recents, a home, a work place and two contacts around Waterloo.
    static void seedDefault();
};

} // namespace test
} // namespace hx

#endif
