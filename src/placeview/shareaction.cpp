#include <hx/trellan/places/shareaction.h>

#include <hx/system/invokequery.h>
#include <hx/trellan/invocation.h>
#include <hx/trellan/places/mapsutils.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

ShareAction::ShareAction(const QSharedPointer<Place> &place, QObject *parent) : hx::trellan::ActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("share.png"))));
    setObjectName(QStringLiteral("ShareAction"));
    retranslateUI();
    update(place);
}

ShareAction::~ShareAction() = default;

void ShareAction::retranslateUI()
{
    setTitle(QCoreApplication::translate("Places", "Share"));
}

void ShareAction::update(const QSharedPointer<Place> &place)
{
    m_place = place;
    if (!place || !place->hasCoordinates()) {
        setEnabled(false);
        return;
    }
    setEnabled(true);
    buildQuery();
    connect(this, &ActionItem::triggered, this, &ShareAction::onTriggered, Qt::UniqueConnection);
}

void ShareAction::buildQuery()
{
    if (m_query)
        m_query->deleteLater();
    m_query = new hx::system::InvokeQuery(this);
    MapsUtils::createShareInvokeQuery(*m_place, m_query);
}

void ShareAction::onTriggered()
{
    if (!m_query)
        return;
    m_invocation = hx::trellan::Invocation::create(m_query, this);
    connect(m_invocation, &hx::trellan::Invocation::armed, this, &ShareAction::onArmed);
    connect(m_invocation, &hx::trellan::Invocation::finished, m_invocation, &QObject::deleteLater);
}

void ShareAction::onArmed()
{
    if (m_invocation)
        m_invocation->trigger(QStringLiteral("hx.action.SHARE"));
}

} // namespace places
} // namespace trellan
} // namespace hx
