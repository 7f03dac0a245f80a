#ifndef HX_TRELLAN_PLACES_MYPLACESLIST_P_H
#define HX_TRELLAN_PLACES_MYPLACESLIST_P_H

#include <hx/platform/places/place.h>
#include <hx/trellan/container.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/places/titlebartab.h>

#include <QtCore/QSharedPointer>
#include <QtCore/QVariantList>

namespace hx {
namespace pim {
namespace contacts {
class ContactService;
}
} // namespace pim
namespace trellan {
class ImageView;
class Label;
class ListView;
namespace places {

class SearchBar;
class SelectorListItemManager;
class SingleSearchFilterDataModel;

// The list of the My Places tab shown, reloaded from the store on every tab switch, contact
// change (on the Contacts tab) and on request, with the tab's empty-state view when the store
// holds nothing for it. On a device with a physical keyboard a filter bar over the list
// narrows it as the user types.
class MyPlacesListPrivate : public hx::trellan::Container, public PickerRetrans
{
    Q_OBJECT
public:
    explicit MyPlacesListPrivate(QObject *parent = nullptr);
    ~MyPlacesListPrivate() override;

    TitleBarTab::Tab tab() const { return m_tab; }
    QSharedPointer<hx::platform::places::Place> selectedPlace() const { return m_selectedPlace; }
    // Reloads the whole tab (closing the filter bar).
    void reload();

    void retranslateUI() override;

Q_SIGNALS:
    void addFavorite();
    void addContact();
    void updateMyHomeActionTitle(bool isEdit);
    void updateMyWorkActionTitle(bool isEdit);
    void selected();
    void contextActionTriggered(int action, QSharedPointer<hx::platform::places::Place> place);
    void selectedIndexChanged(int index);
    void dataModelLoaded(bool empty, hx::trellan::places::TitleBarTab::Tab tab);
    void tabSwitched(hx::trellan::places::TitleBarTab::Tab tab);
    // Relays that move work out of the toolkit's and the model's own signal handling.
    void reloadContinue();
    void selectContinue(const QVariantList &indexPath);
    void reloadFilteredContinue(const QString &text);

public Q_SLOTS:
    void selected(const QVariantList &indexPath);
    void onReloadContinue();
    void onSelectContinue(const QVariantList &indexPath);
    void onContextActionTriggered(int action, const QVariantList &indexPath);
    void onDataModelLoaded();
    void onSwitchingTab(int id);
    void reloadFiltered(const QString &text);
    void onReloadFilteredContinue(const QString &text);
    void onContactsChanged();

private:
    void buildList();
    void buildEmptyState();
    void load(const QString &text);
    void showList();
    void showEmptyState();

    hx::trellan::ListView *m_list = nullptr;
    TitleBarTab::Tab m_tab = TitleBarTab::Recents;
    hx::trellan::Container *m_emptyContainer = nullptr;
    hx::trellan::ImageView *m_emptyImage = nullptr;
    hx::trellan::Container *m_listContainer = nullptr;
    QSharedPointer<hx::platform::places::Place> m_selectedPlace;
    hx::trellan::Label *m_emptyTitle = nullptr;
    hx::trellan::Label *m_emptyBody = nullptr;
    SearchBar *m_searchBar = nullptr;
    bool m_fullReload = true;
    hx::pim::contacts::ContactService *m_contactService = nullptr;
    SelectorListItemManager *m_itemManager = nullptr;
    SingleSearchFilterDataModel *m_model = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
