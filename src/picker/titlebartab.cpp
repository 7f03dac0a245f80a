#include <hx/trellan/places/titlebartab.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/option.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

TitleBarTab::TitleBarTab(QObject *parent) : TitleBar(hx::trellan::TitleBarKind::Segmented, parent), PickerRetrans(true)
{
    setObjectName(QStringLiteral("TitleBarTab"));
    m_recents = addTab("RecentsTab", Recents);
    m_favorites = addTab("FavoritesTab", Favorites);
    m_contacts = addTab("ContactsTab", Contacts);
    setSelectedIndex(Recents);
    retranslateUI();
}

TitleBarTab::~TitleBarTab() = default;

hx::trellan::Option *TitleBarTab::addTab(const char *objectName, Tab tab)
{
    auto *option = new hx::trellan::Option;
    option->setObjectName(QLatin1String(objectName));
    option->setValue(int(tab));
    addOption(option);
    return option;
}

FilterCategory::Type TitleBarTab::toFilterCategory(Tab tab)
{
    switch (tab) {
    case Recents:
        return FilterCategory::RecentGroup5;
    case Favorites:
        return FilterCategory::Favorites;
    case Contacts:
        return FilterCategory::Contacts;
    default:
        return FilterCategory::None;
    }
}

TitleBarTab::Tab TitleBarTab::tab(int index)
{
    return index >= Recents && index <= Contacts ? Tab(index) : None;
}

void TitleBarTab::retranslateUI()
{
    m_recents->setText(QCoreApplication::translate("Places", "Recents"));
    m_favorites->setText(QCoreApplication::translate("Places", "Favorites"));
    m_contacts->setText(QCoreApplication::translate("Places", "Contacts"));
}

} // namespace places
} // namespace trellan
} // namespace hx
