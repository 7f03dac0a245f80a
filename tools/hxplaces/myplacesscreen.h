#ifndef HXPLACES_MYPLACESSCREEN_H
#define HXPLACES_MYPLACESSCREEN_H

#include <hx/trellan/navigationpane.h>

namespace hx {
namespace trellan {
namespace places {
class MyPlacesPage;
}
} // namespace trellan
} // namespace hx

// My Places as an application shows it: the tabs on the user's store with their context menus
// and undo. A picked place opens its card; map, go and plan route push an "Answer" page that
// says what the application would do with the place.
class MyPlacesScreen : public hx::trellan::NavigationPane
{
    Q_OBJECT
public:
    explicit MyPlacesScreen(QObject *parent = nullptr);

private:
    void showAnswer(const QString &what);

    hx::trellan::places::MyPlacesPage *m_page;
};

#endif
