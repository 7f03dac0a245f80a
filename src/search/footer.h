#ifndef HX_TRELLAN_PLACES_FOOTER_H
#define HX_TRELLAN_PLACES_FOOTER_H

#include <hx/trellan/container.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <QtCore/QVariantList>

namespace hx {
namespace trellan {
class ImageView;
class Label;
class TapEvent;
class TouchEvent;
namespace places {

// The last row of a list section: "More" opens the whole category, the collapse row folds it
// back. A tap reports the footer's index path.
class HXPLACES_EXPORT Footer : public hx::trellan::Container, public PickerRetrans
{
    Q_OBJECT
public:
    explicit Footer(const QString &type, QObject *parent = nullptr);
    ~Footer() override;

    QString type() const { return m_type; }
    QVariantList indexPath() const { return m_indexPath; }
    void setIndexPath(const QVariantList &indexPath) { m_indexPath = indexPath; }

Q_SIGNALS:
    void footerClicked(const QVariantList &indexPath);

public Q_SLOTS:
    void onFooterClicked(hx::trellan::TapEvent *event);
    void onFocusHighlight(bool highlighted);
    void touchOccured(hx::trellan::TouchEvent *event);

protected:
    void retranslateUI() override;

private:
    QString m_type;
    QVariantList m_indexPath;
    hx::trellan::Label *m_label = nullptr;
    hx::trellan::ImageView *m_image = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
