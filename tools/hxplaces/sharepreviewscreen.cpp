#include "sharepreviewscreen.h"

#include <hx/trellan/places/cardinterface.h>
#include <hx/trellan/places/sharepreview.h>

#include <QtCore/QUrl>

SharePreviewScreen::SharePreviewScreen(const QString &url, QObject *parent) : NavigationPane(parent)
{
    setObjectName(QStringLiteral("SharePreviewScreen"));
    push(hx::trellan::places::CardInterface::createSharePreview(QUrl(url)));
}
