#ifndef HX_TRELLAN_PLACES_CUSTOMRADIOGROUP_H
#define HX_TRELLAN_PLACES_CUSTOMRADIOGROUP_H

#include <hx/trellan/customcontrol.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QRectF>
#include <QtCore/QVariant>

namespace hx {
namespace trellan {
namespace places {

class CustomRadioGroupPrivate;

// A scrollable list of choices with long, wrapping labels; the first choice added is selected.
class HXPLACES_EXPORT CustomRadioGroup : public hx::trellan::CustomControl
{
    Q_OBJECT

public:
    // Behind the choices.
    static const quint32 BACKGROUND_COLOR = 0xFF262626;

    explicit CustomRadioGroup(QObject *parent = nullptr);
    ~CustomRadioGroup() override;

    void addOption(const QString &text, const QVariant &value);
    // -1 and a null value while there is no option.
    int selectedIndex() const;
    QVariant selectedValue() const;

public slots:
    void handleLayoutFrameUpdated(const QRectF &frame);

private:
    CustomRadioGroupPrivate *d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
