#ifndef HX_TRELLAN_PLACES_CCLUTILS_H
#define HX_TRELLAN_PLACES_CCLUTILS_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/platform/places/place.h>

#include <QtCore/QSharedPointer>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace trellan {
namespace places {

// Reports what users do with the place screens to the platform's context collector as named
// events with text fields. Nothing in the library reads them back, and a failure to send is
// never reported to the caller.
class HXPLACES_EXPORT CCLUtils
{
public:
    CCLUtils() = delete;

    static void logPlacePickerInvocation();
    static void logPlacePickerCancellation();
    static void logPlacePickerSelection(const QSharedPointer<hx::platform::places::Place> &place);
    static void logPlacePreviewerInvocation(const QSharedPointer<hx::platform::places::Place> &place);
    static void logPlaceViewAction(const QString &actionName);
    static void logPlaceManagerAction(const QString &actionName);
    static void logMyPlacesCrosscutAction(const QString &actionName);
    static void logPlacesOpenTableClick(const QString &restaurantName);

    // The distinct auxiliary data types of the place, in order of first appearance.
    static QStringList getAuxDataTypes(const QSharedPointer<hx::platform::places::Place> &place);

    // Field names for repeated tags and auxiliary data types: the base name alone when there is
    // at most one, otherwise "DUP_<index>_<base>".
    static QString getPlaceTagMessageName(int count, int index);
    static QString getPlaceAuxiliaryDataMessageName(int count, int index);

    // The name of the running application as the system knows it, or "gid_<pid>".
    static QString applicationName();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
