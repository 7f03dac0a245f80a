#include <hx/trellan/places/newselectorpagetitle.h>

#include <hx/trellan/actionitem.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

NewSelectorPageTitle::NewSelectorPageTitle(int placeType, QObject *parent)
    : TitleBar(parent), m_placeType(placeType), m_cancel(new ActionItem(this)), m_newEntry(new ActionItem(this))
{
    setObjectName(QStringLiteral("NewSelectorPageTitle"));
    m_cancel->setObjectName(QStringLiteral("CancelAction"));
    setDismissAction(m_cancel);
    m_newEntry->setObjectName(QStringLiteral("NewEntryAction"));
    setAcceptAction(m_newEntry);
    retranslateUI();
}

NewSelectorPageTitle::~NewSelectorPageTitle() = default;

void NewSelectorPageTitle::retranslateUI()
{
    m_cancel->setTitle(QCoreApplication::translate("Places", "Cancel"));
    m_newEntry->setTitle(QCoreApplication::translate("Places", "New Entry"));
    switch (m_placeType) {
    case 1:
        setTitle(QCoreApplication::translate("Places", "Add Home"));
        break;
    case 2:
        setTitle(QCoreApplication::translate("Places", "Add Work"));
        break;
    default:
        setTitle(QCoreApplication::translate("Places", "Add Favorite"));
        break;
    }
}

} // namespace places
} // namespace trellan
} // namespace hx
