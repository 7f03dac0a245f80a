#include "myplacesscreen.h"

#include <hx/trellan/actionitem.h>
#include <hx/trellan/label.h>
#include <hx/trellan/navigationpaneproperties.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/mapsplaceview.h>
#include <hx/trellan/places/myplacespage.h>
#include <hx/trellan/places/selectedplace.h>

#include <QtCore/QScopedPointer>

using namespace hx::trellan;
using namespace hx::trellan::places;

MyPlacesScreen::MyPlacesScreen(QObject *parent) : NavigationPane(parent), m_page(new MyPlacesPage)
{
    setObjectName(QStringLiteral("MyPlacesScreen"));
    connect(m_page, &MyPlacesPage::mapItAction, this, [this] { showAnswer(QStringLiteral("Map")); });
    connect(m_page, &MyPlacesPage::goAction, this, [this] { showAnswer(QStringLiteral("Go to")); });
    connect(m_page, &MyPlacesPage::planRouteAction, this, [this] { showAnswer(QStringLiteral("Plan a route to")); });
    connect(m_page, &MyPlacesPage::selectPlaceAction, this,
            [this](const QSharedPointer<hx::platform::places::Place> &place) {
                MapsPlaceView *card = m_page->createDetailView(place);
                connect(card, &MapsPlaceView::requestClose, this, [this] { pop(); });
                connect(card, &MapsPlaceView::mapItAction, this, [this] { showAnswer(QStringLiteral("Map")); });
                connect(card, &MapsPlaceView::goAction, this, [this] { showAnswer(QStringLiteral("Go to")); });
                connect(card, &MapsPlaceView::planRouteAction, this,
                        [this] { showAnswer(QStringLiteral("Plan a route to")); });
                push(card);
                emit card->setActions();
            });
    connect(this, &NavigationPane::popTransitionEnded, this, [this](Page *page) {
        if (page != m_page)
            page->deleteLater();
    });
    push(m_page);
}

void MyPlacesScreen::showAnswer(const QString &what)
{
    QScopedPointer<SelectedPlace> place(m_page->selectedPlace());
    auto *answer = new Label(QStringLiteral("Application: %1 %2").arg(what, place ? place->name() : QString()));
    answer->setObjectName(QStringLiteral("Answer"));
    auto *page = new Page;
    page->setContent(answer);
    push(page);
}
