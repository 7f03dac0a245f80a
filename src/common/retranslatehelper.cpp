#include <hx/trellan/places/retranslatehelper.h>

namespace hx {
namespace trellan {
namespace places {

RetranslateHelper::RetranslateHelper(QObject *parent) : QObject(parent), PickerRetrans(true) { }

RetranslateHelper::~RetranslateHelper() = default;

void RetranslateHelper::retranslateUI()
{
    emit retranslate();
}

} // namespace places
} // namespace trellan
} // namespace hx
