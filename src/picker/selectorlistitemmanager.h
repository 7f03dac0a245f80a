#ifndef HX_TRELLAN_PLACES_SELECTORLISTITEMMANAGER_H
#define HX_TRELLAN_PLACES_SELECTORLISTITEMMANAGER_H

#include <hx/trellan/listitemprovider.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/titlebartab.h>

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QVariantList>

#include <memory>

namespace hx {
namespace trellan {
class ListView;
namespace places {

class TCSPlacesListItemBuilder;

// The rows of the My Places lists: section headers, footers and place rows with their context
// menu. A tap on a row's title or on its info circle is reported when the list delivers the
// row's trigger, so that a tap elsewhere on the row reports nothing.
class HXPLACES_EXPORT SelectorListItemManager : public QObject, public hx::trellan::ListItemProvider
{
    Q_OBJECT
public:
    enum Touchable { NOTOUCH = 0, DESCRIPTION = 1, INFO = 2 };

    explicit SelectorListItemManager(TitleBarTab::Tab tab, bool highlightFirstItem = false, QObject *parent = nullptr);
    ~SelectorListItemManager() override;

    hx::trellan::Control *createItem(hx::trellan::ListView *list, const QString &type) override;
    void updateItem(hx::trellan::ListView *list, hx::trellan::Control *listItem, const QString &type,
                    const QVariantList &indexPath, const QVariant &data) override;

    // The tab whose icons and corner marks the place rows show.
    void setTab(TitleBarTab::Tab tab);
    TitleBarTab::Tab tab() const { return m_tab; }
    // Asks, once, for the list to take the focus on its first row at the next update.
    void setHighlightOnFirstListItem();

Q_SIGNALS:
    void contextActionTriggered(int action, const QVariantList &indexPath);
    void titleClicked(const QVariantList &indexPath);
    void infoClicked(const QVariantList &indexPath);
    void footerClicked(const QVariantList &indexPath);

public Q_SLOTS:
    void onTriggered(const QVariantList &indexPath);
    void onTitleClicked(const QVariantList &indexPath);
    void onInfoClicked(const QVariantList &indexPath);
    void onLocationUpdated();
    void onFooterClicked(const QVariantList &indexPath);

private:
    void watch(hx::trellan::ListView *list);
    void highlightFirstItem(hx::trellan::ListView *list, const QVariantList &indexPath);

    TitleBarTab::Tab m_tab;
    Touchable m_touched = NOTOUCH;
    QVariantList m_touchedIndexPath;
    std::unique_ptr<TCSPlacesListItemBuilder> m_builder;
    bool m_firstItemHighlighted = false;
    bool m_highlightFirstItem;
    QPointer<hx::trellan::ListView> m_list;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
