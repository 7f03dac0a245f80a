#include "previewscreen.h"

#include <hx/platform/places/placemanager.h>
#include <hx/trellan/places/pickerpreviewselect.h>

#include <QtCore/QSharedPointer>

using namespace hx::platform::places;
using namespace hx::trellan::places;

PreviewScreen::PreviewScreen(QObject *parent) : NavigationPane(parent)
{
    setObjectName(QStringLiteral("PreviewScreen"));
}

bool PreviewScreen::open(qint64 placeId, QString *message)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    QSharedPointer<Place> place(manager.getPlace(placeId, error));
    if (!place) {
        *message = QStringLiteral("no stored place with id %1 (store error %2)").arg(placeId).arg(int(error));
        return false;
    }
    push(new PickerPreviewSelect(place, Coordinates()));
    return true;
}
