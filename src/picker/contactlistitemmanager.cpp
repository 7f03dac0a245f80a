#include <hx/trellan/container.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/places/contactlistitemmanager.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/placesdatamodel.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/uiconfig.h>

namespace hx {
namespace trellan {
namespace places {

using hx::trellan::Container;
using hx::trellan::Control;
using hx::trellan::ImageView;
using hx::trellan::Label;
using hx::trellan::ListView;
using hx::trellan::UIConfig;

namespace {

const char ItemName[] = "ContactListItem";
const char ImageName[] = "ContactImage";
const char LabelName[] = "ContactName";

} // namespace

ContactListItemManager::ContactListItemManager(QObject *parent) : QObject(parent) { }

ContactListItemManager::~ContactListItemManager() = default;

Control *ContactListItemManager::createItem(ListView *, const QString &)
{
    auto *item = new Container;
    item->setObjectName(QLatin1String(ItemName));
    item->setLayout(new hx::trellan::DockLayout);
    item->setTopPadding(UIConfig::du(PlaceUtils::TINY_PADDING));

    auto *image = new ImageView;
    image->setObjectName(QLatin1String(ImageName));
    const float side = UIConfig::du(PlaceUtils::ZANT_CONTACTS_LIST_ITEM_HEIGHT);
    image->setPreferredSize(side, side);
    image->setHorizontalAlignment(HorizontalAlignment::Center);
    image->setVerticalAlignment(VerticalAlignment::Center);
    image->setImage(ImageSet::CONTACT());
    item->add(image);

    auto *label = new Label;
    label->setObjectName(QLatin1String(LabelName));
    label->setHorizontalAlignment(HorizontalAlignment::Center);
    label->setVerticalAlignment(VerticalAlignment::Bottom);
    item->add(label);
    return item;
}

void ContactListItemManager::updateItem(ListView *list, Control *listItem, const QString &,
                                        const QVariantList &indexPath, const QVariant &)
{
    auto *label = listItem->findChild<Label *>(QLatin1String(LabelName));
    auto *model = qobject_cast<PlacesDataModel *>(list ? list->dataModel() : nullptr);
    if (!label || !model)
        return;
    const CachedPlace place = model->place(indexPath);
    label->setText(place ? place->name() : QString());
}

} // namespace places
} // namespace trellan
} // namespace hx
