#ifndef HX_TRELLAN_PLACES_FIELDTYPESSHEET_H
#define HX_TRELLAN_PLACES_FIELDTYPESSHEET_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <hx/trellan/sheet.h>

namespace hx {
namespace trellan {
class ActionItem;
class TitleBar;
namespace places {

// The "Add Field" sheet: one item per optional field type still available, in the order given.
// Choosing one emits addField(type) and closes the sheet; the sheet deletes itself once closed.
class HXPLACES_EXPORT FieldTypesSheet : public hx::trellan::Sheet, public PickerRetrans
{
    Q_OBJECT

public:
    explicit FieldTypesSheet(const QList<int> &types, QObject *parent = nullptr);
    ~FieldTypesSheet() override;

    void retranslateUI() override;

signals:
    void addField(int type);

private slots:
    void onSelected(int type);

private:
    hx::trellan::TitleBar *m_titleBar;
    hx::trellan::ActionItem *m_cancel;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
