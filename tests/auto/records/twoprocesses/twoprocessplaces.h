#ifndef HX_TEST_TWOPROCESSPLACES_H
#define HX_TEST_TWOPROCESSPLACES_H

#include <QtCore/QString>

// The places both processes know: the application stores them first, the picker re-picks them
// while the application edits them.
namespace twoprocesses {

constexpr int SHARED_PLACES = 20;

inline QString sharedName(int index)
{
    return QStringLiteral("Shared place %1").arg(index);
}

inline double sharedLatitude(int index)
{
    return 43.0 + index * 0.01;
}

inline double sharedLongitude(int index)
{
    return -80.0 - index * 0.01;
}

} // namespace twoprocesses

#endif
