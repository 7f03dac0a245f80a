#include <hx/trellan/places/unitofmeasureretrans.h>

#include <hx/system/localehandler.h>

#include "unitofmeasureretrans_p.h"

namespace hx {
namespace trellan {
namespace places {

UnitOfMeasureRetransPrivate::UnitOfMeasureRetransPrivate(UnitOfMeasureRetrans *owner, bool enable) : m_owner(owner)
{
    if (!enable)
        return;
    m_localeHandler = new hx::system::LocaleHandler(hx::system::LocaleType::Region, this);
    connect(m_localeHandler, &hx::system::LocaleHandler::measurementSystemChanged, this,
            &UnitOfMeasureRetransPrivate::onMeasurementSystemChanged);
}

UnitOfMeasureRetransPrivate::~UnitOfMeasureRetransPrivate() = default;

void UnitOfMeasureRetransPrivate::onMeasurementSystemChanged()
{
    m_owner->retransUnitOfMeasurement();
}

UnitOfMeasureRetrans::UnitOfMeasureRetrans(bool enable) : d(new UnitOfMeasureRetransPrivate(this, enable)) { }

UnitOfMeasureRetrans::~UnitOfMeasureRetrans() = default;

} // namespace places
} // namespace trellan
} // namespace hx
