#ifndef HXPLACES_SHAREPREVIEWSCREEN_H
#define HXPLACES_SHAREPREVIEWSCREEN_H

#include <hx/trellan/navigationpane.h>

// The previewer card's page for a place URL another application shared (the form `hxplaces
// open-uri` reads and a place's map URL has): the place is kept as a recent place when it has a
// position.
class SharePreviewScreen : public hx::trellan::NavigationPane
{
    Q_OBJECT
public:
    explicit SharePreviewScreen(const QString &url, QObject *parent = nullptr);
};

#endif
