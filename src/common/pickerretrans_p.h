#ifndef HX_TRELLAN_PLACES_PICKERRETRANS_P_H
#define HX_TRELLAN_PLACES_PICKERRETRANS_P_H

#include <QtCore/QObject>

namespace hx {
namespace system {
class LocaleHandler;
}
namespace trellan {
namespace places {

class PickerRetrans;

class PickerRetransPrivate : public QObject
{
    Q_OBJECT

public:
    PickerRetransPrivate(PickerRetrans *owner, bool enable);
    ~PickerRetransPrivate() override;

public slots:
    void onLanguageChanged();

private:
    PickerRetrans *m_owner;
    hx::system::LocaleHandler *m_localeHandler = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
