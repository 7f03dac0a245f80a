#ifndef HX_TRELLAN_PLACES_RETRANSLATEHELPER_H
#define HX_TRELLAN_PLACES_RETRANSLATEHELPER_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <QtCore/QObject>

namespace hx {
namespace trellan {
namespace places {

// Lets any object follow language changes without deriving from PickerRetrans: connect a slot
// that re-applies its texts to retranslate().
class HXPLACES_EXPORT RetranslateHelper : public QObject, public PickerRetrans
{
    Q_OBJECT

public:
    explicit RetranslateHelper(QObject *parent = nullptr);
    ~RetranslateHelper() override;

    void retranslateUI() override;

signals:
    void retranslate();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
