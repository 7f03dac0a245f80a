#ifndef HX_TRELLAN_PLACES_TRANSLATABLEHEADER_H
#define HX_TRELLAN_PLACES_TRANSLATABLEHEADER_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <hx/trellan/label.h>

namespace hx {
namespace trellan {
namespace places {

// The title of a block of the details list, in the phone's language.
class HXPLACES_EXPORT TranslatableHeader : public hx::trellan::Label, public PickerRetrans
{
    Q_OBJECT
public:
    enum HeaderType { None = 0, Hours = 1, AdditionalInformation = 2, ContactInformation = 3, More = 4 };

    explicit TranslatableHeader(int type, QObject *parent = nullptr);

    HeaderType headerType() const { return m_type; }
    // The title in the current language; empty for a type outside 1 to 4.
    static QString headerText(int type);
    void retranslateUI() override;

private:
    HeaderType m_type;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
