#ifndef HX_TRELLAN_PLACES_WIDGETDATAMODEL_H
#define HX_TRELLAN_PLACES_WIDGETDATAMODEL_H

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/searchresult.h>
#include <hx/trellan/places/cachedplacedatamodel.h>
#include <hx/trellan/places/filtercategory.h>

#include <QtCore/QScopedPointer>

namespace hx {
namespace trellan {
namespace places {

class WidgetDataModelPrivate;

// The all-results list of a home-screen widget: the search-all list with favourites always
// included, numbering its queries from a random start so that widgets in different processes
// never share search ids.
class HXPLACES_EXPORT WidgetDataModel : public CachedPlaceDataModel
{
    Q_OBJECT
public:
    explicit WidgetDataModel(bool collapsed = true, QObject *parent = nullptr);
    ~WidgetDataModel() override;

    void load(const QString &text, const hx::platform::places::Coordinates &near,
              const QList<FilterCategory::Type> &categories);

    bool hasMoreItems(const QVariantList &indexPath) override;
    static QString createHeader(int group);
    static QString createFooter(int group);

Q_SIGNALS:
    void errorEvent(hx::platform::places::Error::Type error);

public Q_SLOTS:
    void onResultAvailable(hx::platform::places::Error::Type error, hx::platform::places::SearchResult result,
                           bool done, int id);

private:
    QScopedPointer<WidgetDataModelPrivate> d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
