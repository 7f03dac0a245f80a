#include <hx/trellan/places/favaction.h>

#include <hx/trellan/places/cclutils.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

using hx::platform::places::Error;
using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

FavAction::FavAction(bool on, QObject *parent) : hx::trellan::ActionItem(parent), m_on(on)
{
    setOn(on);
    connect(this, &ActionItem::triggered, this, &FavAction::onActionTriggered);
}

FavAction::~FavAction() = default;

void FavAction::setOn(bool on)
{
    m_on = on;
    const QString image = on ? QStringLiteral("ic_remove_favorite.png") : QStringLiteral("ic_add_favorite.png");
    setImageSource(QUrl(ResourceUtils::getAssetPath(image)));
    setObjectName(on ? QStringLiteral("UnfavoriteAction") : QStringLiteral("FavoriteAction"));
    retranslateUI();
}

void FavAction::retranslateUI()
{
    setTitle(m_on ? QCoreApplication::translate("favunfav", "Unfavorite")
                  : QCoreApplication::translate("favunfav", "Favorite"));
}

void FavAction::onActionTriggered()
{
    setOn(!m_on);
}

void FavAction::handle(const QSharedPointer<Place> &place)
{
    if (!place)
        return;
    if (place->isFavorite()) {
        const Error::Type error = PlaceUtils::unfavPlace(place.data());
        if (error != Error::None) {
            Log::warning() << "hx::trellan::places::FavAction::handle(): error in unfaving place," << int(error);
            return;
        }
        CCLUtils::logPlaceViewAction(QStringLiteral("unfavorite"));
        emit favorite(false);
        return;
    }
    if (!place->isPersisted()) {
        const Error::Type error = PlaceManagerUI::addPlace(*place, false);
        if (error != Error::None) {
            Log::warning() << "hx::trellan::places::FavAction::handle(): error in set place to persistent,"
                           << int(error);
            return;
        }
    }
    const Error::Type error = PlaceUtils::favPlace(place.data());
    if (error != Error::None) {
        Log::warning() << "hx::trellan::places::FavAction::handle(): error in faving place," << int(error);
        return;
    }
    CCLUtils::logPlaceViewAction(QStringLiteral("favorite"));
    emit favorite(true);
}

} // namespace places
} // namespace trellan
} // namespace hx
