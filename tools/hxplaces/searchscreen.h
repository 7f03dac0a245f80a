#ifndef HXPLACES_SEARCHSCREEN_H
#define HXPLACES_SEARCHSCREEN_H

#include <hx/platform/places/coordinates.h>
#include <hx/trellan/page.h>

namespace hx {
namespace trellan {
class Label;
namespace places {
class SearchControl;
} // namespace places
} // namespace trellan
} // namespace hx

// The search bar a map application embeds, on the user's store: typing drops the merged list
// down, a pick or a submit reports its places in the "Answer" label, as the map would pin them.
class SearchScreen : public hx::trellan::Page
{
    Q_OBJECT
public:
    // The map looks at the region around centre; its middle is where searches go.
    explicit SearchScreen(const hx::platform::places::Coordinates &centre, QObject *parent = nullptr);

private:
    hx::trellan::places::SearchControl *m_search;
    hx::trellan::Label *m_answer;
};

#endif
