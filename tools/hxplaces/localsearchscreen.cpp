#include "localsearchscreen.h"
#include "translatedtitle.h"

#include "commandline.h"

#include <hx/trellan/container.h>
#include <hx/trellan/label.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/localsearchfullview.h>
#include <hx/trellan/places/placeviewpage.h>
#include <hx/trellan/titlebar.h>

using hx::platform::places::Place;
using hx::trellan::places::LocalSearchFullView;
using hx::trellan::places::PlaceViewPage;

namespace {
using Places = QList<QSharedPointer<Place>>;

QString names(const Places &places)
{
    QStringList list;
    for (const QSharedPointer<Place> &place : places)
        list << place->name();
    return list.join(QStringLiteral(", "));
}
} // namespace

LocalSearchScreen::LocalSearchScreen(QObject *parent) : NavigationPane(parent)
{
    setObjectName(QStringLiteral("LocalSearchScreen"));
    // A card popped by back goes, and the view returns to its lists.
    connect(this, &NavigationPane::popTransitionEnded, this, [this](hx::trellan::Page *page) {
        page->deleteLater();
        if (m_view)
            emit m_view->backFromView();
    });
}

bool LocalSearchScreen::open(const QStringList &words, const QString &near, QString *message)
{
    if (words.isEmpty()) {
        *message = QStringLiteral("the localsearch screen takes the text to search for");
        return false;
    }
    QString term = words.join(QLatin1Char(' '));
    QString destination = near.isEmpty() ? QStringLiteral("here") : near;
    if (words.first() == LocalSearchFullView::SEARCH_NEARBY || words.first() == LocalSearchFullView::CATEGORY_SEARCH) {
        term = words.first();
        destination = words.mid(1).join(QLatin1Char(' '));
    }
    const hx::platform::places::Coordinates position = CommandLine::parsePosition(near);

    m_view = new LocalSearchFullView(!position.isValid(), this);
    if (!position.isValid() && !near.isEmpty())
        m_view->setDoNotGetCurrentFix(true, near);
    m_view->setDestination(term, destination, false, false, false);
    if (position.isValid())
        m_view->setCoordinates(position.latitude(), position.longitude());

    // Made with the page that holds it, so a refused search leaves nothing behind.
    m_answer = new hx::trellan::Label;
    m_answer->setObjectName(QStringLiteral("Answer"));
    m_answer->setMultiline(true);
    m_answer->setText(QStringLiteral("Finding the destination"));
    auto *page = new hx::trellan::Page;
    page->setObjectName(QStringLiteral("LocalSearchPage"));
    auto *bar = new hx::trellan::TitleBar;
    setTranslatedTitle(bar, QT_TRANSLATE_NOOP("Places", "Local search"));
    page->setTitleBar(bar);
    auto *content = new hx::trellan::Container;
    content->add(m_answer);
    if (hx::trellan::Container *root = m_view->getVisualNodeRoot())
        content->add(root);
    else
        content->add(new hx::trellan::Label(QStringLiteral("The local search document could not be used")));
    page->setContent(content);
    push(page);

    connect(m_view, &LocalSearchFullView::destinationSet, this,
            [this] { m_answer->setText(QStringLiteral("Searching near the destination")); });
    connect(m_view, &LocalSearchFullView::readPlaces, this, &LocalSearchScreen::showRead);
    connect(m_view, &LocalSearchFullView::placeNotFound, this,
            [this] { m_answer->setText(QStringLiteral("Nothing found")); });
    connect(m_view, &LocalSearchFullView::showPlaceViewWidget, this, &LocalSearchScreen::showCard);
    m_view->startStates();
    return true;
}

void LocalSearchScreen::showRead(const QString &term, const Places &contacts, const Places &places)
{
    QString text = QStringLiteral("Reading out \"%1\"").arg(term);
    if (!contacts.isEmpty())
        text += QStringLiteral("; contacts: ") + names(contacts);
    if (!places.isEmpty())
        text += QStringLiteral("; places: ") + names(places);
    m_answer->setText(text);
}

void LocalSearchScreen::showCard(const QSharedPointer<Place> &place, bool fromVoice)
{
    m_answer->setText(QStringLiteral("Showing %1 (%2)")
                          .arg(place->name(), fromVoice ? QStringLiteral("by voice") : QStringLiteral("by touch")));
    auto *card = new PlaceViewPage(place, hx::trellan::places::PlaceViewMode::View);
    push(card);
    emit card->setActions();
}
