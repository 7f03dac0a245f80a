#ifndef HX_TRELLAN_NAVIGATIONPANE_H
#define HX_TRELLAN_NAVIGATIONPANE_H

#include <hx/trellan/abstractpane.h>
#include <hx/trellan/page.h>

#include <QtQml/QQmlListProperty>

namespace hx {
namespace trellan {

// A stack of pages. push and pop change the stack at once (topChanged follows at once); the
// transition signals come later from the event loop, as after an animation. Pages are owned by
// the pane; a popped page stays owned by it until its receiver deletes or reparents it.
class NavigationPane : public AbstractPane
{
    Q_OBJECT
    Q_PROPERTY(hx::trellan::Page *top READ top NOTIFY topChanged)
    Q_PROPERTY(int count READ count)
    Q_PROPERTY(bool backButtonsVisible READ backButtonsVisible WRITE setBackButtonsVisible)
    Q_PROPERTY(QQmlListProperty<hx::trellan::Page> pages READ qmlPages)
    Q_CLASSINFO("DefaultProperty", "pages")
public:
    explicit NavigationPane(QObject *parent = nullptr);
    ~NavigationPane() override;

    void push(Page *page);
    // Takes the top page off; the last page stays (null is returned then).
    Page *pop();
    // Pops every page above page; false when page is not on the stack.
    bool navigateTo(Page *page);
    bool remove(Page *page);
    void insert(int index, Page *page);
    Page *top() const;
    int count() const;
    Page *at(int index) const;
    int indexOf(Page *page) const;
    bool isTransitioning() const;

    bool backButtonsVisible() const;
    void setBackButtonsVisible(bool visible);

    // The back button of the top page: its own back action when it has one (NavigationPane-
    // Properties), else a pop. False when there is nothing to go back to.
    bool pressBack();

    QQmlListProperty<Page> qmlPages();

signals:
    void topChanged(hx::trellan::Page *page);
    void pushTransitionEnded(hx::trellan::Page *page);
    void popTransitionEnded(hx::trellan::Page *page);
    void navigateToTransitionEnded(const QList<hx::trellan::Page *> &pages);

private:
    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif
