#ifndef HXPLACES_UNIVERSALSEARCHPREVIEWSCREEN_H
#define HXPLACES_UNIVERSALSEARCHPREVIEWSCREEN_H

#include <hx/trellan/navigationpane.h>

// The previewer card's page for a stored place found by the phone's universal search, with its
// map, go, plan-route, share and favourite actions.
class UniversalSearchPreviewScreen : public hx::trellan::NavigationPane
{
    Q_OBJECT
public:
    explicit UniversalSearchPreviewScreen(QObject *parent = nullptr);

    bool open(qint64 placeId, QString *message);
};

#endif
