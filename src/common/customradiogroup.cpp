#include <hx/trellan/color.h>
#include <hx/trellan/container.h>
#include <hx/trellan/layoutupdatehandler.h>
#include <hx/trellan/option.h>
#include <hx/trellan/places/customradiogroup.h>
#include <hx/trellan/radiogroup.h>
#include <hx/trellan/scrollview.h>

#include "customradiogroup_p.h"

namespace hx {
namespace trellan {
namespace places {

using namespace hx::trellan;

namespace {

// Until the first layout tells how wide the group really is.
const float InitialWidth = 100.0f;

} // namespace

CustomRadioGroup::CustomRadioGroup(QObject *parent) : CustomControl(parent), d(new CustomRadioGroupPrivate)
{
    d->radioGroup = new RadioGroup;
    d->radioGroup->setPreferredWidth(InitialWidth);
    d->scrollView = new ScrollView(d->radioGroup);

    Container *root = new Container;
    root->setBackground(Color::fromARGB(BACKGROUND_COLOR));
    root->add(d->scrollView);
    LayoutUpdateHandler *layoutHandler = new LayoutUpdateHandler(root);
    connect(layoutHandler, &LayoutUpdateHandler::layoutFrameChanged, this, &CustomRadioGroup::handleLayoutFrameUpdated);
    setRoot(root);
}

CustomRadioGroup::~CustomRadioGroup()
{
    delete d;
}

void CustomRadioGroup::addOption(const QString &text, const QVariant &value)
{
    // The toolkit's radio options wrap their text beside the button.
    d->radioGroup->add(new Option(text, value));
    if (d->radioGroup->count() == 1)
        d->radioGroup->setSelectedIndex(0);
}

int CustomRadioGroup::selectedIndex() const
{
    return d->radioGroup->selectedIndex();
}

QVariant CustomRadioGroup::selectedValue() const
{
    return d->radioGroup->selectedValue();
}

void CustomRadioGroup::handleLayoutFrameUpdated(const QRectF &frame)
{
    // The choices take the width the dialog gives them, and scroll within its height.
    d->radioGroup->setPreferredWidth(float(frame.width()));
    d->scrollView->setPreferredHeight(float(frame.height()));
}

} // namespace places
} // namespace trellan
} // namespace hx
