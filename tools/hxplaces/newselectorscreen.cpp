#include "newselectorscreen.h"

#include <hx/trellan/label.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/newselector.h>

using namespace hx::trellan;
using namespace hx::trellan::places;
using hx::platform::places::Place;

namespace {

PlaceViewPage::PlaceType typeOf(const QString &kind)
{
    if (kind == QLatin1String("home"))
        return PlaceViewPage::Home;
    if (kind == QLatin1String("work"))
        return PlaceViewPage::Work;
    return PlaceViewPage::PlaceType(0);
}

QString nameOf(const QSharedPointer<Place> &place)
{
    return place ? place->name() : QString();
}

} // namespace

bool NewSelectorScreen::isKind(const QString &kind)
{
    return kind == QLatin1String("home") || kind == QLatin1String("work") || kind == QLatin1String("favorite");
}

NewSelectorScreen::NewSelectorScreen(const QString &kind, QObject *parent)
    : NavigationPane(parent), m_answer(new Label(QStringLiteral("My Places: nothing yet")))
{
    setObjectName(QStringLiteral("NewSelectorScreen"));
    m_answer->setObjectName(QStringLiteral("Answer"));
    auto *page = new Page;
    page->setObjectName(QStringLiteral("MyPlacesStandIn"));
    page->setContent(m_answer);
    push(page);

    m_selector = new NewSelector(typeOf(kind), page);
    connect(m_selector.data(), &NewSelector::placeUpdated, this, [this] { answer(QStringLiteral("place updated")); });
    connect(m_selector.data(), &NewSelector::favoriteChanged, this, [this](bool favorite) {
        answer(favorite ? QStringLiteral("favourite added") : QStringLiteral("favourite removed"));
    });
    connect(m_selector.data(), &NewSelector::mapAction, this,
            [this](QSharedPointer<Place> place) { answer(QStringLiteral("map %1").arg(nameOf(place))); });
    connect(m_selector.data(), &NewSelector::goAction, this,
            [this](QSharedPointer<Place> place) { answer(QStringLiteral("go to %1").arg(nameOf(place))); });
    connect(m_selector.data(), &NewSelector::planRouteAction, this,
            [this](QSharedPointer<Place> place) { answer(QStringLiteral("plan a route to %1").arg(nameOf(place))); });
    connect(m_selector.data(), &QObject::destroyed, this, [this] { answer(QStringLiteral("sheet closed")); });
}

void NewSelectorScreen::answer(const QString &text)
{
    // The last thing the sheet said stays first.
    const QString previous = m_answer->text().section(QStringLiteral(": "), 1);
    const bool first = previous == QLatin1String("nothing yet");
    m_answer->setText(QStringLiteral("My Places: %1").arg(first ? text : text + QStringLiteral("; ") + previous));
}
