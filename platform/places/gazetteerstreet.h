#ifndef HX_PLATFORM_PLACES_GAZETTEERSTREET_H
#define HX_PLATFORM_PLACES_GAZETTEERSTREET_H

#include <QtCore/QString>
#include <QtCore/QVector>
#include <QtCore/QtNumeric>

namespace hx {
namespace platform {
namespace places {

// A named street of a gazetteer file and the line it runs along, so that a position anywhere
// along it can be named after it.
class GazetteerStreet
{
public:
    struct Point
    {
        double latitude;
        double longitude;
    };

    QString name;
    QString city; // may be empty
    QVector<Point> path; // when writing: the street's points in order, at least two

    // When read: the point of the street nearest the asked position, and how far that is.
    double latitude = qQNaN();
    double longitude = qQNaN();
    double distanceMetres = qQNaN();

    bool isValid() const { return !name.isEmpty() && !qIsNaN(latitude); }
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
