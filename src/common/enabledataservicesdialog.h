#ifndef HX_TRELLAN_PLACES_ENABLEDATASERVICESDIALOG_H
#define HX_TRELLAN_PLACES_ENABLEDATASERVICESDIALOG_H

#include <hx/trellan/places/settingscarddialog.h>

namespace hx {
namespace trellan {
namespace places {

// Turns on data services through the settings card; done(true) once the user is back from it.
class HXPLACES_EXPORT EnableDataServicesDialog : public SettingsCardDialog
{
    Q_OBJECT

public:
    explicit EnableDataServicesDialog(QObject *parent = nullptr);
    ~EnableDataServicesDialog() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
