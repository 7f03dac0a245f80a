#ifndef HX_TRELLAN_PLACES_ADDRESSBAR_H
#define HX_TRELLAN_PLACES_ADDRESSBAR_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/container.h>

#include <QtCore/QSharedPointer>
#include <hx/platform/places/place.h>

namespace hx {
namespace trellan {
class Label;
namespace places {

// The place's address on one line, laid over the map in an assistant card.
class HXPLACES_EXPORT AddressBar : public hx::trellan::Container
{
    Q_OBJECT
public:
    explicit AddressBar(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent = nullptr);

    hx::trellan::Label *label() const { return m_label; }

private:
    hx::trellan::Label *m_label;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
