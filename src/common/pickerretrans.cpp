#include <hx/system/localehandler.h>
#include <hx/trellan/places/pickerretrans.h>

#include "pickerretrans_p.h"

namespace hx {
namespace trellan {
namespace places {

PickerRetransPrivate::PickerRetransPrivate(PickerRetrans *owner, bool enable) : m_owner(owner)
{
    if (!enable)
        return;
    m_localeHandler = new hx::system::LocaleHandler(hx::system::LocaleType::Region);
    connect(m_localeHandler, &hx::system::LocaleHandler::languageChanged, this,
            &PickerRetransPrivate::onLanguageChanged);
}

PickerRetransPrivate::~PickerRetransPrivate()
{
    delete m_localeHandler;
}

void PickerRetransPrivate::onLanguageChanged()
{
    m_owner->retranslateUI();
}

PickerRetrans::PickerRetrans(bool enable) : d(new PickerRetransPrivate(this, enable)) { }

PickerRetrans::~PickerRetrans()
{
    delete d;
}

} // namespace places
} // namespace trellan
} // namespace hx
