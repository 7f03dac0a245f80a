#include <hx/platform/places/auxiliarydatareply.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/searchresult.h>

#include <mutex>

#include "storeregistration_p.h"

namespace hx {
namespace platform {
namespace places {

void StoreRegistration::ensure()
{
    static std::once_flag once;
    std::call_once(once, [] {
        qRegisterMetaType<Error::Type>("hx::platform::places::Error::Type");
        qRegisterMetaType<Error::Type>("Error::Type");
        qRegisterMetaType<SearchResult>("hx::platform::places::SearchResult");
        qRegisterMetaType<SearchResult>("SearchResult");
        qRegisterMetaType<Location>("hx::platform::places::Location");
        qRegisterMetaType<QList<Location>>("QList<hx::platform::places::Location>");
        qRegisterMetaType<QSharedPointer<Place>>("QSharedPointer<Place>");
        qRegisterMetaType<QSharedPointer<Place>>("QSharedPointer<hx::platform::places::Place>");
        qRegisterMetaType<QSharedPointer<AbstractPlace>>("QSharedPointer<hx::platform::places::AbstractPlace>");
        qRegisterMetaType<QList<AuxiliaryData>>("QList<AuxiliaryData>");
        qRegisterMetaType<QList<AuxiliaryData>>("QList<hx::platform::places::AuxiliaryData>");
        qRegisterMetaType<PointOfInterestAuxiliaryData>("hx::platform::places::PointOfInterestAuxiliaryData");
        qRegisterMetaType<QList<AuxiliaryDataReply>>("QList<hx::platform::places::AuxiliaryDataReply>");
        qRegisterMetaType<QList<AuxiliaryDataReply>>("QList<AuxiliaryDataReply>");
    });
}

// Loading the library registers the types, so a queued connection made before any manager
// exists still knows them.
namespace {
void registerOnLoad()
{
    StoreRegistration::ensure();
}
} // namespace
Q_CONSTRUCTOR_FUNCTION(registerOnLoad)

} // namespace places
} // namespace platform
} // namespace hx
