#ifndef HX_TRELLAN_PLACES_PLACECARDRETURNMESSAGE_H
#define HX_TRELLAN_PLACES_PLACECARDRETURNMESSAGE_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace hx {
namespace trellan {
namespace places {

// What the place previewer card tells its invoker when it closes: which place, and what
// happened to it. Travels as the text "<id>:<STATUS>".
class HXPLACES_EXPORT PlaceCardReturnMessage
{
public:
    enum ReturnedPlaceStatus : int { Unknown = 0, Existed = 1, Modified = 2, Selected = 3, SelectedModified = 4 };

    PlaceCardReturnMessage();
    PlaceCardReturnMessage(qint64 id, ReturnedPlaceStatus status);
    PlaceCardReturnMessage(const PlaceCardReturnMessage &other);
    PlaceCardReturnMessage &operator=(const PlaceCardReturnMessage &other);
    virtual ~PlaceCardReturnMessage();

    qint64 getId() const;
    ReturnedPlaceStatus getStatus() const;

    QString toString() const;
    // Never fails: text that is not a message gives the default message (id -1, Unknown).
    static PlaceCardReturnMessage fromString(const QString &text);

    bool operator==(const PlaceCardReturnMessage &other) const;
    bool operator!=(const PlaceCardReturnMessage &other) const { return !(*this == other); }

private:
    qint64 m_id;
    ReturnedPlaceStatus m_status;
};

} // namespace places
} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::places::PlaceCardReturnMessage)

#endif
