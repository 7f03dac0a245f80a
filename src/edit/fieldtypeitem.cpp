#include <hx/trellan/places/fieldtypeitem.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

namespace {

const char *const OBJECT_NAMES[] = { "AddWebSiteFieldAction", "AddEMailFieldAction", "AddDescriptionFieldAction" };
const char *const TEXTS[]
    = { QT_TRANSLATE_NOOP("FieldTypesSheet", "Website"), QT_TRANSLATE_NOOP("FieldTypesSheet", "Email Address"),
        QT_TRANSLATE_NOOP("FieldTypesSheet", "Description") };

bool isKnown(int type)
{
    return type >= FieldTypeItem::WebSite && type <= FieldTypeItem::Description;
}

} // namespace

FieldTypeItem::FieldTypeItem(int type, QObject *parent) : Button(parent), m_type(type)
{
    if (isKnown(type))
        setObjectName(QLatin1String(OBJECT_NAMES[type]));
    retranslateUI();
    connect(this, &Button::clicked, this, [this] { emit selected(m_type); });
}

FieldTypeItem::~FieldTypeItem() = default;

int FieldTypeItem::type() const
{
    return m_type;
}

void FieldTypeItem::retranslateUI()
{
    if (isKnown(m_type))
        setText(QCoreApplication::translate("FieldTypesSheet", TEXTS[m_type]));
}

} // namespace places
} // namespace trellan
} // namespace hx
