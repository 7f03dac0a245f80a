#ifndef HX_TRELLAN_PLACES_SINGLESEARCHLIST_H
#define HX_TRELLAN_PLACES_SINGLESEARCHLIST_H

#include <hx/trellan/container.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtCore/QVariantList>

namespace hx {
namespace trellan {
class ActivityIndicator;
class DataModel;
class Label;
class ListItemProvider;
class ListView;
class TapEvent;
namespace places {

class Footer;

// The result list of the search controls: a leading visual (a filter) above the list, a
// spinner that shows only when a load takes longer than half a second, a collapse footer that
// folds an opened category back, and "No Results Found" when a finished search found nothing.
class HXPLACES_EXPORT SingleSearchList : public hx::trellan::Container, public PickerRetrans
{
    Q_OBJECT
public:
    static const int SPINNER_DELAY_MS = 500;

    explicit SingleSearchList(QObject *parent = nullptr);
    ~SingleSearchList() override;

    hx::trellan::ListView *listView() const { return m_list; }
    void setDataModel(hx::trellan::DataModel *model);
    void setListItemProvider(hx::trellan::ListItemProvider *provider);
    hx::trellan::ListItemProvider *getListItemProvider() const;

    void showSpinner(bool show);
    void showFooter(bool visible);
    bool isFooterVisible() const;
    // "No Results Found" when the list's model has no rows; hidden otherwise.
    void showEmpty();
    void hideEmpty();
    void hideNoResultsLabel();

    // Owned by the list from now on; a previous one is deleted.
    void setLeadingVisual(hx::trellan::Control *visual);
    void setLeadingVisualVisible(bool visible);
    void showLeadingVisual(bool show);
    void hideLeadingVisual(bool hide);
    void scrollToLeadingVisual(float offset);
    void clearSelection();
    void setAsFocused(const QVariantList &indexPath);

Q_SIGNALS:
    void reverseExpand();
    void triggered(const QVariantList &indexPath);

public Q_SLOTS:
    void onSingleShotTimer();
    void onSectionExpanderTouched(hx::trellan::TapEvent *event);

protected:
    void retranslateUI() override;

private:
    void applyLeadingVisual();

    QPointer<hx::trellan::Control> m_leadingVisual;
    bool m_leadingVisualWanted = true;
    bool m_spinnerShown = false;
    hx::trellan::ListView *m_list;
    Footer *m_footer;
    hx::trellan::ActivityIndicator *m_spinner;
    hx::trellan::Container *m_emptyView;
    hx::trellan::Label *m_noResults;
    QTimer m_spinnerDelay;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
