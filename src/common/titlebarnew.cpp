#include <hx/trellan/places/titlebarnew.h>

#include <hx/trellan/actionitem.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

TitleBarNew::TitleBarNew(int placeType, QObject *parent) : TitleBar(parent), m_placeType(placeType)
{
    setObjectName(QStringLiteral("TitleBarNew"));
    m_cancel = new ActionItem(this);
    m_cancel->setObjectName(QStringLiteral("CancelEditAction"));
    setDismissAction(m_cancel);
    m_save = new ActionItem(this);
    m_save->setObjectName(QStringLiteral("SaveEditAction"));
    setAcceptAction(m_save);
    retranslateUI();
}

void TitleBarNew::onSelectedIndexChanged(int index)
{
    m_placeType = index;
    applyTitle();
}

void TitleBarNew::applyTitle()
{
    // Another type keeps whatever the title already says.
    switch (m_placeType) {
    case Favorite:
        setTitle(QCoreApplication::translate("Places", "Add Favorite"));
        break;
    case Home:
        setTitle(QCoreApplication::translate("Places", "Add Home"));
        break;
    case Work:
        setTitle(QCoreApplication::translate("Places", "Add Work"));
        break;
    default:
        break;
    }
}

void TitleBarNew::retranslateUI()
{
    m_cancel->setTitle(QCoreApplication::translate("Places", "Cancel"));
    m_save->setTitle(QCoreApplication::translate("Places", "Save"));
    applyTitle();
}

} // namespace places
} // namespace trellan
} // namespace hx
