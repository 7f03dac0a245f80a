#include "locatingscreen.h"

#include <hx/trellan/activityindicator.h>
#include <hx/trellan/container.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/locatingview.h>
#include <hx/trellan/places/retranslatehelper.h>
#include <hx/trellan/titlebar.h>

#include <QtCore/QCoreApplication>

using hx::platform::places::Location;
using hx::trellan::places::LocatingView;
using hx::trellan::places::RetranslateHelper;

LocatingScreen::LocatingScreen(QObject *parent) : Page(parent), m_status(new hx::trellan::Label)
{
    setObjectName(QStringLiteral("LocatingScreen"));
    setTitleBar(new hx::trellan::TitleBar);

    auto *view = new LocatingView(this);
    auto *content = new hx::trellan::Container;
    if (hx::trellan::Container *root = view->getVisualNodeRoot())
        content->add(root);
    m_status->setObjectName(QStringLiteral("LocatingStatus"));
    content->add(m_status);
    setContent(content);
    showStatus(QT_TRANSLATE_NOOP("Places", "Waiting for a fix"));
    connect(new RetranslateHelper(this), &RetranslateHelper::retranslate, this, &LocatingScreen::retranslate);

    connect(view, &LocatingView::startedReverseGeocoding, this,
            [this] { showStatus(QT_TRANSLATE_NOOP("Places", "Location found, looking up its address")); });
    connect(view, &LocatingView::locationNotFound, this, [this] {
        showStatus(QT_TRANSLATE_NOOP("Places", "No location found"));
        stopSpinners();
    });
    connect(view, &LocatingView::done, this, &LocatingScreen::showDone);
    view->startStates();
}

void LocatingScreen::showStatus(const char *text, const QString &argument)
{
    m_statusText = text;
    m_statusArgument = argument;
    retranslate();
}

void LocatingScreen::retranslate()
{
    titleBar()->setTitle(QCoreApplication::translate("Places", "Locating"));
    QString status = QCoreApplication::translate("Places", m_statusText);
    if (!m_statusArgument.isEmpty())
        status = status.arg(m_statusArgument);
    m_status->setText(status);
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
    showStatus(QT_TRANSLATE_NOOP("Places", "You are at: %1"), address);
}
