#ifndef HX_TRELLAN_PLACES_ENABLELOCATIONDIALOG_H
#define HX_TRELLAN_PLACES_ENABLELOCATIONDIALOG_H

#include <hx/trellan/places/settingscarddialog.h>

namespace hx {
namespace trellan {
namespace places {

// Turns on location services through the settings card; done(true) once the user is back from it.
class HXPLACES_EXPORT EnableLocationDialog : public SettingsCardDialog
{
    Q_OBJECT

public:
    explicit EnableLocationDialog(QObject *parent = nullptr);
    ~EnableLocationDialog() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
