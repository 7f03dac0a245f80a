#include <hx/trellan/places/placepickercontrol.h>

#include "placepickercontrol_p.h"

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
    auto *picker = new PlacePicker(q);
    SelectedPlace *result = picker->show();
    if (result)
        result->setParent(q);
    emit q->selected(result);
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
