#include "searchscreen.h"
#include "translatedtitle.h"

#include <hx/platform/geo/boundingbox.h>
#include <hx/platform/geo/point.h>
#include <hx/trellan/container.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/searchcontrol.h>
#include <hx/trellan/places/singlesearchcontrol.h>
#include <hx/trellan/titlebar.h>

#include <QtCore/QStringList>

using namespace hx::trellan;
using namespace hx::trellan::places;
using hx::platform::places::AbstractPlace;

namespace {

QString describe(const QList<QSharedPointer<AbstractPlace>> &places, hx::platform::places::Error::Type error)
{
    if (places.isEmpty())
        return QStringLiteral("Map: no places (error %1)").arg(int(error));
    QStringList names;
    for (const QSharedPointer<AbstractPlace> &place : places)
        names.append(place->name());
    return QStringLiteral("Map: %1 place(s): %2").arg(places.size()).arg(names.join(QStringLiteral(", ")));
}

} // namespace

SearchScreen::SearchScreen(const hx::platform::places::Coordinates &centre, QObject *parent)
    : Page(parent), m_answer(new Label)
{
    setObjectName(QStringLiteral("SearchScreen"));
    auto *bar = new TitleBar;
    setTranslatedTitle(bar, QT_TRANSLATE_NOOP("Places", "Map"));
    setTitleBar(bar);
    auto *body = new Container;
    m_search = new SearchControl(body, this);
    m_answer->setObjectName(QStringLiteral("Answer"));
    body->add(m_answer);
    setContent(body);
    // The map shows about 30 km around its centre, as a map opened on a town does.
    const double lat = centre.latitude();
    const double lon = centre.longitude();
    m_search->control()->setSearchCoordinates(
        hx::platform::geo::Point(lat, lon),
        hx::platform::geo::BoundingBox(hx::platform::geo::Point(lat + 0.15, lon - 0.2),
                                       hx::platform::geo::Point(lat - 0.15, lon + 0.2)));
    connect(m_search, &SearchControl::searchResultsAvailable, this,
            [this](const QList<QSharedPointer<AbstractPlace>> &places, hx::platform::places::Error::Type error) {
                m_answer->setText(describe(places, error));
            });
    connect(m_search, &SearchControl::placeSelected, this, [this](const QSharedPointer<AbstractPlace> &place) {
        m_answer->setText(QStringLiteral("Map: picked %1").arg(place ? place->name() : QString()));
    });
}
