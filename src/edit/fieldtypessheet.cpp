#include <hx/trellan/places/fieldtypessheet.h>

#include <hx/trellan/places/fieldtypeitem.h>

#include <hx/trellan/actionitem.h>
#include <hx/trellan/container.h>
#include <hx/trellan/page.h>
#include <hx/trellan/titlebar.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

FieldTypesSheet::FieldTypesSheet(const QList<int> &types, QObject *parent)
    : Sheet(parent), m_titleBar(new hx::trellan::TitleBar), m_cancel(new hx::trellan::ActionItem)
{
    setObjectName(QStringLiteral("FieldTypesSheet"));
    m_cancel->setObjectName(QStringLiteral("AddFieldCancelAction"));
    connect(m_cancel, &hx::trellan::ActionItem::triggered, this, &Sheet::close);
    m_titleBar->setDismissAction(m_cancel);

    auto *list = new hx::trellan::Container;
    for (int type : types) {
        auto *item = new FieldTypeItem(type);
        connect(item, &FieldTypeItem::selected, this, &FieldTypesSheet::onSelected);
        list->add(item);
    }
    auto *page = new hx::trellan::Page;
    page->setTitleBar(m_titleBar);
    page->setContent(list);
    setContent(page);
    retranslateUI();
    connect(this, &Sheet::closed, this, &QObject::deleteLater);
}

FieldTypesSheet::~FieldTypesSheet() = default;

void FieldTypesSheet::retranslateUI()
{
    m_titleBar->setTitle(QCoreApplication::translate("FieldTypesSheet", "Add Field"));
    m_cancel->setTitle(QCoreApplication::translate("FieldTypesSheet", "Cancel"));
}

void FieldTypesSheet::onSelected(int type)
{
    emit addField(type);
    close();
}

} // namespace places
} // namespace trellan
} // namespace hx
