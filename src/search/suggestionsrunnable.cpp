#include <hx/platform/places/internalplacemanager.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/suggestionsrunnable.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;
using hx::platform::places::Place;

SuggestionsRunnable::SuggestionsRunnable(Context context, const QSharedPointer<Place> &place)
    : m_context(context), m_place(place)
{
    qRegisterMetaType<SuggestionsRunnable *>();
    qRegisterMetaType<Error::Type>();
    qRegisterMetaType<SuggestionsRunnable::Context>();
    qRegisterMetaType<QSharedPointer<Place>>();
    setAutoDelete(true);
}

SuggestionsRunnable::~SuggestionsRunnable() = default;

void SuggestionsRunnable::run()
{
    Error::Type error = Error::InvalidArgument;
    QSharedPointer<Place> resolved;
    if (m_place) {
        hx::platform::places::InternalPlaceManager manager;
        resolved.reset(manager.getPlace(*m_place, error));
    }
    if (error != Error::None) {
        Log::warning() << "hx::trellan::places::SuggestionsRunnable::run() error = " << int(error);
        resolved.reset();
    }
    emit done(this, error, m_context, resolved);
}

} // namespace places
} // namespace trellan
} // namespace hx
