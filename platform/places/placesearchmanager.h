#ifndef HX_PLATFORM_PLACES_PLACESEARCHMANAGER_H
#define HX_PLATFORM_PLACES_PLACESEARCHMANAGER_H

#include <hx/platform/places/auxiliarydatareply.h>
#include <hx/platform/places/auxiliarydatarequest.h>
#include <hx/platform/places/searchmanager.h>

#include <QtCore/QList>
#include <QtCore/QVariant>

namespace hx {
namespace platform {
namespace places {

// The search manager that also answers auxiliary-data requests (ratings, reviews, details).
class PlaceSearchManager : public SearchManager
{
    Q_OBJECT
public:
    explicit PlaceSearchManager(QObject *parent = nullptr);
    ~PlaceSearchManager() override;

    // Answers with one auxiliaryDataAvailable carrying one reply per request, in request order,
    // through the event loop. InvalidArgument (and no signal) for an empty list.
    Error::Type requestAuxiliaryData(const QList<AuxiliaryDataRequest> &requests, const QVariant &id);

Q_SIGNALS:
    void auxiliaryDataAvailable(QList<hx::platform::places::AuxiliaryDataReply> replies, QVariant id, bool done);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
