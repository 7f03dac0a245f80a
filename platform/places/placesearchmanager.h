#ifndef HX_PLATFORM_PLACES_PLACESEARCHMANAGER_H
#define HX_PLATFORM_PLACES_PLACESEARCHMANAGER_H

#include <hx/platform/places/auxiliarydatareply.h>
#include <hx/platform/places/auxiliarydatarequest.h>
#include <hx/platform/places/searchmanager.h>

#include <QtCore/QList>
#include <QtCore/QScopedPointer>
#include <QtCore/QVariant>

namespace hx {
namespace platform {
namespace places {

class PlaceSearchManagerPrivate;

// The search manager that also answers auxiliary-data requests (ratings, reviews, details).
class PlaceSearchManager : public SearchManager
{
    Q_OBJECT
public:
    explicit PlaceSearchManager(QObject *parent = nullptr);
    ~PlaceSearchManager() override;

    // Answers with one auxiliaryDataAvailable carrying one reply per request, in request order,
    // through the event loop; the answers are looked up on a worker thread, like a remote
    // service, so that a list never waits for its ratings. InvalidArgument (and no signal) for
    // an empty list.
    Error::Type requestAuxiliaryData(const QList<AuxiliaryDataRequest> &requests, const QVariant &id);

Q_SIGNALS:
    void auxiliaryDataAvailable(QList<hx::platform::places::AuxiliaryDataReply> replies, QVariant id, bool done);

private:
    QScopedPointer<PlaceSearchManagerPrivate> d;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
