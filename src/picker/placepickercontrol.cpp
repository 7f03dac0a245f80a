#include <hx/trellan/places/placepickercontrol.h>

#include "placepickercontrol_p.h"

#include <QtCore/QPointer>

#include <hx/trellan/places/placepicker.h>
#include <hx/trellan/places/resourceutils.h>
#include <hx/trellan/places/selectedplace.h>

#include <hx/trellan/button.h>
#include <hx/trellan/container.h>
#include <hx/trellan/image.h>

namespace hx {
namespace trellan {
namespace places {

PlacePickerControlPrivate::PlacePickerControlPrivate(PlacePickerControl *control) : QObject(control), q(control)
{
    auto *root = new Container;
    auto *button = new Button;
    button->setObjectName(QStringLiteral("PlacePickerButton"));
    button->setImage(Image(ResourceUtils::PlacePickerPngData()));
    connect(button, &Button::clicked, this, &PlacePickerControlPrivate::showSelector);
    root->add(button);
    q->setRoot(root);
}

void PlacePickerControlPrivate::showSelector()
{
    // The application may close the control while the card is open; then there is no one left
    // to tell, and the picker went with it.
    const QPointer<PlacePickerControlPrivate> alive(this);
    auto *picker = new PlacePicker(q);
    SelectedPlace *result = picker->show();
    if (!alive)
        return;
    if (result)
        result->setParent(q);
    emit q->selected(result);
    if (alive)
        delete picker;
}

PlacePickerControl::PlacePickerControl(Container *parent)
    : CustomControl(nullptr), d(new PlacePickerControlPrivate(this))
{
    if (parent)
        parent->add(this);
}

PlacePickerControl::~PlacePickerControl() = default;

} // namespace places
} // namespace trellan
} // namespace hx
