#ifndef HX_TEST_LISTSCREEN_H
#define HX_TEST_LISTSCREEN_H

#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/placesdatamodel.h>
#include <hx/trellan/screentext.h>

#include <QtTest/QSignalSpy>

#include <utility>

#include "signalwaiter.h"

namespace hx {
namespace test {

// A page on a navigation pane holding one list whose rows a provider of type Rows builds, as a
// screen shows them: a test loads a model into it and reads or taps what is drawn.
template<typename Rows> class ListScreen
{
public:
    template<typename... Arguments>
    explicit ListScreen(const QString &listName, Arguments &&...arguments) : rows(std::forward<Arguments>(arguments)...)
    {
        list->setObjectName(listName);
        list->setListItemProvider(&rows);
        auto *page = new hx::trellan::Page;
        page->setContent(list);
        pane.push(page);
    }

    // Shows model in the list, runs load and waits until the model's last reply is drawn.
    template<typename Load> bool show(hx::trellan::places::PlacesDataModel *model, Load load)
    {
        list->setDataModel(model);
        QSignalSpy final(model, &hx::trellan::places::PlacesDataModel::modelLoadedFinal);
        load();
        if (!SignalWaiter::wait(final))
            return false;
        list->syncNow();
        return true;
    }

    QString text() { return hx::trellan::ScreenText::render(&pane); }

    hx::trellan::NavigationPane pane;
    hx::trellan::ListView *list = new hx::trellan::ListView;
    Rows rows;
};

} // namespace test
} // namespace hx

#endif
