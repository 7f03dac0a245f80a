#include "locatingscreen.h"

#include <hx/trellan/activityindicator.h>
#include <hx/trellan/container.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/locatingview.h>
#include <hx/trellan/titlebar.h>

using hx::platform::places::Location;
using hx::trellan::places::LocatingView;

LocatingScreen::LocatingScreen(QObject *parent) : Page(parent), m_status(new hx::trellan::Label)
{
    setObjectName(QStringLiteral("LocatingScreen"));
    auto *bar = new hx::trellan::TitleBar;
    bar->setTitle(QStringLiteral("Locating"));
    setTitleBar(bar);

    auto *view = new LocatingView(this);
    auto *content = new hx::trellan::Container;
    if (hx::trellan::Container *root = view->getVisualNodeRoot())
        content->add(root);
    m_status->setObjectName(QStringLiteral("LocatingStatus"));
    m_status->setText(QStringLiteral("Waiting for a fix"));
    content->add(m_status);
    setContent(content);

    connect(view, &LocatingView::startedReverseGeocoding, this,
            [this] { m_status->setText(QStringLiteral("Location found, looking up its address")); });
    connect(view, &LocatingView::locationNotFound, this, [this] {
        m_status->setText(QStringLiteral("No location found"));
        stopSpinners();
    });
    connect(view, &LocatingView::done, this, &LocatingScreen::showDone);
    view->startStates();
}

void LocatingScreen::stopSpinners()
{
    // The application's document spins while the user is located; the search is over.
    const QList<hx::trellan::ActivityIndicator *> spinners = findChildren<hx::trellan::ActivityIndicator *>();
    for (hx::trellan::ActivityIndicator *spinner : spinners)
        spinner->stop();
}

void LocatingScreen::showDone(const Location &location)
{
    stopSpinners();
    if (location == Location())
        return; // the line already tells what was missing
    const QString address
        = location.address().label().isEmpty() ? location.address().oneLine() : location.address().label();
    m_status->setText(QStringLiteral("You are at: %1").arg(address));
}
