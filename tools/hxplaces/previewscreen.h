#ifndef HXPLACES_PREVIEWSCREEN_H
#define HXPLACES_PREVIEWSCREEN_H

#include <hx/trellan/navigationpane.h>

// The picker's preview of a stored place, with its Select action.
class PreviewScreen : public hx::trellan::NavigationPane
{
    Q_OBJECT
public:
    explicit PreviewScreen(QObject *parent = nullptr);

    bool open(qint64 placeId, QString *message);
};

#endif
