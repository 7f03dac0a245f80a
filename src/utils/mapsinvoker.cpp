#include <hx/trellan/places/mapsinvoker.h>

#include <hx/system/invokequery.h>
#include <hx/trellan/invocation.h>
#include <hx/trellan/invokeactionitem.h>

namespace hx {
namespace trellan {
namespace places {

namespace {

const QString mapAction = QStringLiteral("hx.action.MAP");

} // namespace

MapsInvoker::MapsInvoker(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent)
    : QObject(parent), m_place(place)
{ }

MapsInvoker::~MapsInvoker() = default;

hx::system::InvokeQuery *MapsInvoker::createMapsInvokeQuery(qint64 id, const QString &actionId, QObject *parent)
{
    auto *query = new hx::system::InvokeQuery(parent);
    query->setMimeType(QStringLiteral("application/vnd.korvane.place-id"));
    query->setInvokeActionId(actionId);
    query->setData(QStringLiteral("{\"placeId\":%1}").arg(id).toUtf8());
    return query;
}

hx::trellan::InvokeActionItem *MapsInvoker::createMapsInvokeAction(const QString &actionId)
{
    auto *item = new hx::trellan::InvokeActionItem(this);
    if (m_place) {
        item->setQuery(createMapsInvokeQuery(m_place->id(), actionId, this));
        item->setEnabled(m_place->primaryCoordinates().isValid());
    } else {
        item->setQuery(new hx::system::InvokeQuery(this));
    }
    return item;
}

hx::trellan::InvokeActionItem *MapsInvoker::createPlanRouteAction()
{
    return createMapsInvokeAction(QStringLiteral("hx.action.PLANROUTE"));
}

hx::trellan::InvokeActionItem *MapsInvoker::createGoAction()
{
    return createMapsInvokeAction(QStringLiteral("hx.action.NAVIGATETO"));
}

hx::trellan::InvokeActionItem *MapsInvoker::createMapAction()
{
    return createMapsInvokeAction(mapAction);
}

void MapsInvoker::onMapTouched()
{
    if (!m_place)
        return;
    hx::system::InvokeQuery *query = createMapsInvokeQuery(m_place->id(), mapAction, this);
    hx::trellan::Invocation *invocation = hx::trellan::Invocation::create(query, this);
    // The invocation keeps a copy of the query.
    delete query;
    connect(invocation, &hx::trellan::Invocation::armed, this, &MapsInvoker::onArmed);
    connect(invocation, &hx::trellan::Invocation::finished, invocation, &QObject::deleteLater);
}

void MapsInvoker::onArmed()
{
    if (auto *invocation = qobject_cast<hx::trellan::Invocation *>(sender()))
        invocation->trigger(mapAction);
}

} // namespace places
} // namespace trellan
} // namespace hx
