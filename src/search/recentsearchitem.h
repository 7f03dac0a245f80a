#ifndef HX_TRELLAN_PLACES_RECENTSEARCHITEM_H
#define HX_TRELLAN_PLACES_RECENTSEARCHITEM_H

#include <hx/trellan/customlistitem.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QVariantList>

namespace hx {
namespace trellan {
class Label;
class TapEvent;
class TouchEvent;
namespace places {

// The row of a recent search term or category: a search glass and the term. A tap runs the
// search again.
class HXPLACES_EXPORT RecentSearchItem : public hx::trellan::CustomListItem
{
    Q_OBJECT
public:
    explicit RecentSearchItem(QObject *parent = nullptr);
    ~RecentSearchItem() override;

    void update(const QVariantList &indexPath, const QString &term);
    QString term() const;
    QVariantList indexPath() const { return m_indexPath; }

Q_SIGNALS:
    void recentSearchClicked(const QVariantList &indexPath);

public Q_SLOTS:
    void onRecentSearchTapped(hx::trellan::TapEvent *event);
    void onRecentSearchClicked(hx::trellan::TouchEvent *event);

private:
    QVariantList m_indexPath;
    hx::trellan::Label *m_term;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
