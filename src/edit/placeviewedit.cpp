#include <hx/trellan/places/placeviewedit.h>

#include "placeviewedit_p.h"

namespace hx {
namespace trellan {
namespace places {

PlaceViewEdit::PlaceViewEdit(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent)
    : QObject(parent), d(new PlaceViewEditPrivate(place, this))
{
    connect(d, &PlaceViewEditPrivate::placeUpdated, this, &PlaceViewEdit::placeUpdated);
    connect(d, &PlaceViewEditPrivate::favoriteChanged, this, &PlaceViewEdit::favoriteChanged);
    connect(d, &PlaceViewEditPrivate::mapAction, this, &PlaceViewEdit::mapAction);
    connect(d, &PlaceViewEditPrivate::goAction, this, &PlaceViewEdit::goAction);
    connect(d, &PlaceViewEditPrivate::planRouteAction, this, &PlaceViewEdit::planRouteAction);
}

PlaceViewEdit::~PlaceViewEdit() = default;

} // namespace places
} // namespace trellan
} // namespace hx
