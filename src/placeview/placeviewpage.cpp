#include <hx/trellan/places/placeviewpage.h>

#include "placeviewpage_p.h"

namespace hx {
namespace trellan {
namespace places {

PlaceViewPage::PlaceViewPage(const QSharedPointer<hx::platform::places::Place> &place, PlaceViewMode::Type mode,
                             QObject *parent)
    : Page(parent), d(nullptr)
{
    setObjectName(QStringLiteral("PlaceViewPage"));
    d = new PlaceViewPagePrivate(this, place, mode);
    connectPrivate();
}

PlaceViewPage::PlaceViewPage(qint64 placeId, PlaceViewMode::Type mode, QObject *parent) : Page(parent), d(nullptr)
{
    setObjectName(QStringLiteral("PlaceViewPage"));
    d = new PlaceViewPagePrivate(this, placeId, mode);
    connectPrivate();
}

PlaceViewPage::PlaceViewPage(const QString &searchTerm, PlaceViewMode::Type mode, QObject *parent)
    : Page(parent), d(nullptr)
{
    setObjectName(QStringLiteral("PlaceViewPage"));
    d = new PlaceViewPagePrivate(this, searchTerm, mode);
    connectPrivate();
}

PlaceViewPage::PlaceViewPage(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent)
    : Page(parent), d(nullptr)
{
    setObjectName(QStringLiteral("PlaceViewPage"));
    d = new PlaceViewPagePrivate(this, place);
    connectPrivate();
}

PlaceViewPage::PlaceViewPage(PlaceType type, const QSharedPointer<hx::platform::places::Place> &place,
                             bool showAllFields, QObject *parent)
    : Page(parent), d(nullptr)
{
    setObjectName(QStringLiteral("PlaceViewPage"));
    d = new PlaceViewPagePrivate(this, int(type), place, showAllFields);
    connectPrivate();
}

PlaceViewPage::PlaceViewPage(PlaceType type, QObject *parent) : Page(parent), d(nullptr)
{
    setObjectName(QStringLiteral("PlaceViewPage"));
    d = new PlaceViewPagePrivate(this, int(type),
                                 QSharedPointer<hx::platform::places::Place>(new hx::platform::places::Place), true);
    connectPrivate();
}

PlaceViewPage::PlaceViewPage(const QString &text, QObject *parent) : Page(parent), d(nullptr)
{
    setObjectName(QStringLiteral("PlaceViewPage"));
    d = new PlaceViewPagePrivate(this, text);
    connectPrivate();
}

PlaceViewPage::~PlaceViewPage() = default;

void PlaceViewPage::connectPrivate()
{
    using Private = PlaceViewPagePrivate;
    using PlacePtr = QSharedPointer<hx::platform::places::Place>;
    connect(d, &Private::favoriteChanged, this, &PlaceViewPage::favoriteChanged);
    connect(d, &Private::back, this, &PlaceViewPage::back);
    connect(d, &Private::deletePlace, this, &PlaceViewPage::deletePlace);
    connect(d, &Private::placeUpdated, this, &PlaceViewPage::placeUpdated);
    connect(d, &Private::selected, this, &PlaceViewPage::selected);
    connect(d, qOverload<const PlacePtr &>(&Private::mapAction), this, &PlaceViewPage::mapAction);
    connect(d, qOverload<const PlacePtr &>(&Private::goAction), this, &PlaceViewPage::goAction);
    connect(d, qOverload<const PlacePtr &>(&Private::planRouteAction), this, &PlaceViewPage::planRouteAction);
    connect(this, &PlaceViewPage::setActions, d, &Private::setActions);
}

} // namespace places
} // namespace trellan
} // namespace hx
