#ifndef HX_TRELLAN_PLACES_DUPLICATEPLACEDIALOG_H
#define HX_TRELLAN_PLACES_DUPLICATEPLACEDIALOG_H

#include <hx/system/systemuiresult.h>
#include <hx/trellan/places/systemdialogwrapper.h>

namespace hx {
namespace trellan {
namespace places {

// Asks whether a place that already exists should be replaced; the caller decides on the answer.
class HXPLACES_EXPORT DuplicatePlaceDialog : public SystemDialogWrapper
{
    Q_OBJECT

public:
    explicit DuplicatePlaceDialog(QObject *parent = nullptr);
    ~DuplicatePlaceDialog() override;

    void retranslateUI() override;

signals:
    void finished(hx::system::SystemUiResult::Type result);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
