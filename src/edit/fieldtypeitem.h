#ifndef HX_TRELLAN_PLACES_FIELDTYPEITEM_H
#define HX_TRELLAN_PLACES_FIELDTYPEITEM_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <hx/trellan/button.h>

namespace hx {
namespace trellan {
namespace places {

// One optional field the user may add to the edit form: 0 website, 1 e-mail, 2 description.
class HXPLACES_EXPORT FieldTypeItem : public hx::trellan::Button, public PickerRetrans
{
    Q_OBJECT

public:
    enum Type { WebSite = 0, EMail = 1, Description = 2 };

    explicit FieldTypeItem(int type, QObject *parent = nullptr);
    ~FieldTypeItem() override;

    int type() const;
    void retranslateUI() override;

signals:
    void selected(int type);

private:
    int m_type;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
