#include <hx/trellan/navigationpane.h>
#include <hx/trellan/navigationpaneproperties.h>

#include <QtCore/QPointer>
#include <QtCore/QTimer>

namespace hx {
namespace trellan {

struct NavigationPane::Private
{
    QList<Page *> pages;
    bool backButtonsVisible = true;
    int pendingTransitions = 0;
};

NavigationPane::NavigationPane(QObject *parent) : AbstractPane(parent), d(new Private) { }

NavigationPane::~NavigationPane()
{
    for (Page *page : qAsConst(d->pages))
        disconnect(page, &QObject::destroyed, this, nullptr);
}

void NavigationPane::push(Page *page)
{
    if (!page || d->pages.contains(page))
        return;
    page->setParent(this);
    d->pages.append(page);
    // The page's own part is gone by the time destroyed() arrives: it is removed by address.
    connect(page, &QObject::destroyed, this, [this, page](QObject *) {
        const bool wasTop = !d->pages.isEmpty() && d->pages.last() == page;
        d->pages.removeAll(page);
        if (wasTop)
            emit topChanged(top());
    });
    emit topChanged(page);
    ++d->pendingTransitions;
    QPointer<Page> pushed(page);
    QTimer::singleShot(0, this, [this, pushed] {
        --d->pendingTransitions;
        if (pushed)
            emit pushTransitionEnded(pushed);
    });
}

Page *NavigationPane::pop()
{
    if (d->pages.size() < 2)
        return nullptr;
    Page *page = d->pages.takeLast();
    emit topChanged(top());
    ++d->pendingTransitions;
    QPointer<Page> popped(page);
    QTimer::singleShot(0, this, [this, popped] {
        --d->pendingTransitions;
        if (popped)
            emit popTransitionEnded(popped);
    });
    return page;
}

bool NavigationPane::navigateTo(Page *page)
{
    const int index = d->pages.indexOf(page);
    if (index < 0)
        return false;
    QList<QPointer<Page>> removed;
    while (d->pages.size() > index + 1)
        removed.append(d->pages.takeLast());
    if (removed.isEmpty())
        return true;
    emit topChanged(page);
    QTimer::singleShot(0, this, [this, removed] {
        QList<Page *> pages;
        for (const QPointer<Page> &page : removed) {
            if (page)
                pages.append(page);
        }
        emit navigateToTransitionEnded(pages);
    });
    return true;
}

bool NavigationPane::remove(Page *page)
{
    const int index = d->pages.indexOf(page);
    if (index < 0)
        return false;
    d->pages.removeAt(index);
    disconnect(page, &QObject::destroyed, this, nullptr);
    page->setParent(nullptr);
    if (index == d->pages.size())
        emit topChanged(top());
    return true;
}

void NavigationPane::insert(int index, Page *page)
{
    if (!page || d->pages.contains(page))
        return;
    if (index >= d->pages.size()) {
        push(page);
        return;
    }
    page->setParent(this);
    d->pages.insert(qMax(0, index), page);
    connect(page, &QObject::destroyed, this, [this](QObject *gone) { d->pages.removeAll(static_cast<Page *>(gone)); });
}

Page *NavigationPane::top() const
{
    return d->pages.isEmpty() ? nullptr : d->pages.last();
}

int NavigationPane::count() const
{
    return d->pages.size();
}

Page *NavigationPane::at(int index) const
{
    return d->pages.value(index);
}

int NavigationPane::indexOf(Page *page) const
{
    return d->pages.indexOf(page);
}

bool NavigationPane::isTransitioning() const
{
    return d->pendingTransitions > 0;
}

bool NavigationPane::backButtonsVisible() const
{
    return d->backButtonsVisible;
}

void NavigationPane::setBackButtonsVisible(bool visible)
{
    d->backButtonsVisible = visible;
}

bool NavigationPane::pressBack()
{
    Page *page = top();
    if (!page)
        return false;
    if (page->paneProperties() && page->paneProperties()->backButton())
        return page->paneProperties()->backButton()->trigger();
    return pop() != nullptr;
}

namespace {
void qmlAppendPage(QQmlListProperty<Page> *list, Page *page)
{
    static_cast<NavigationPane *>(list->object)->push(page);
}
int qmlCountPages(QQmlListProperty<Page> *list)
{
    return static_cast<NavigationPane *>(list->object)->count();
}
Page *qmlPageAt(QQmlListProperty<Page> *list, int index)
{
    return static_cast<NavigationPane *>(list->object)->at(index);
}
} // namespace

QQmlListProperty<Page> NavigationPane::qmlPages()
{
    return QQmlListProperty<Page>(this, nullptr, &qmlAppendPage, &qmlCountPages, &qmlPageAt, nullptr);
}

} // namespace trellan
} // namespace hx
