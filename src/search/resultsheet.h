#ifndef HX_TRELLAN_PLACES_RESULTSHEET_H
#define HX_TRELLAN_PLACES_RESULTSHEET_H

#include <hx/platform/places/place.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/sheet.h>

#include <QtCore/QScopedPointer>
#include <QtCore/QSharedPointer>
#include <QtCore/QVariantList>

namespace hx {
namespace trellan {
class ActionItem;
class Container;
class ListView;
class TitleBar;
namespace places {

class SearchListItemManager;
class TCSSliceDataModel;

// The remote results of a submitted search in a sheet: "Results for: TEXT", the slice model's
// rows, the next slice asked for when the list reaches its end, and a tap that picks a place.
class HXPLACES_EXPORT ResultSheet : public hx::trellan::Sheet, public PickerRetrans
{
    Q_OBJECT
public:
    // The model is not owned; it outlives the sheet.
    explicit ResultSheet(TCSSliceDataModel *model, QObject *parent = nullptr);
    ~ResultSheet() override;

    void setTitle(const QString &searchText);
    bool isLoading() const { return m_loading; }
    hx::trellan::ListView *listView() const { return m_list; }

Q_SIGNALS:
    void placeSelected(QSharedPointer<hx::platform::places::Place> place, const QVariantList &indexPath);
    void firstVisibleItemChanged(const QVariantList &indexPath);

public Q_SLOTS:
    void loadingSlice();
    void doneLoadingSlice();
    void onSliceListItemTriggered(const QVariantList &indexPath);
    void onSheetCloseAction();
    void onAtEndChanged(bool atEnd);

protected:
    void retranslateUI() override;

private:
    void setLoadingAreaHeight(float pixels);

    TCSSliceDataModel *m_model;
    QString m_searchText;
    bool m_loading = false;
    QScopedPointer<SearchListItemManager> m_rows;
    hx::trellan::TitleBar *m_titleBar;
    hx::trellan::ActionItem *m_close;
    hx::trellan::ListView *m_list;
    hx::trellan::Container *m_loadingArea;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
