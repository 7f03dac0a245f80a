#ifndef HX_TRELLAN_PLACES_SEARCHLISTITEMMANAGER_H
#define HX_TRELLAN_PLACES_SEARCHLISTITEMMANAGER_H

#include <hx/platform/places/coordinates.h>
#include <hx/trellan/listitemprovider.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/titlebartab.h>

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QSharedPointer>
#include <QtCore/QVariantList>

namespace hx {
namespace trellan {
class ListView;
namespace places {

class PlacesListItemBuilder;

// The rows of the search lists: section headers, "More" and collapse footers, recent search
// terms and place rows from the builder, filled from a place list model. Row taps come out as
// signals with the row's index path; the rows' distances follow the current position.
class HXPLACES_EXPORT SearchListItemManager : public QObject, public hx::trellan::ListItemProvider
{
    Q_OBJECT
public:
    explicit SearchListItemManager(const QSharedPointer<PlacesListItemBuilder> &builder, QObject *parent = nullptr);
    ~SearchListItemManager() override;

    hx::trellan::Control *createItem(hx::trellan::ListView *list, const QString &type) override;
    void updateItem(hx::trellan::ListView *list, hx::trellan::Control *listItem, const QString &type,
                    const QVariantList &indexPath, const QVariant &data) override;

    // The tab whose icons the place rows show.
    void setFilter(TitleBarTab::Tab tab);
    TitleBarTab::Tab filter() const { return m_tab; }
    // Place rows measure from here when valid, else from the current position.
    void updateSearchCoordinates(const hx::platform::places::Coordinates &coordinates);

Q_SIGNALS:
    void titleClicked(const QVariantList &indexPath);
    void infoClicked(const QVariantList &indexPath);
    void footerClicked(const QVariantList &indexPath);
    void recentSearchClicked(const QVariantList &indexPath);

public Q_SLOTS:
    void onLocationUpdated();

private:
    hx::trellan::Control *createPlaceItem();

    QSharedPointer<PlacesListItemBuilder> m_builder;
    TitleBarTab::Tab m_tab = TitleBarTab::None;
    hx::platform::places::Coordinates m_searchCoordinates;
    QPointer<hx::trellan::ListView> m_list;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
