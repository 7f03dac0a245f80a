#ifndef HX_TRELLAN_PLACES_PHONETEXT_H
#define HX_TRELLAN_PLACES_PHONETEXT_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/textarea.h>

namespace hx {
namespace trellan {
class TapEvent;
namespace places {

// A phone number of the place card; a tap dials it, or in an assistant mode asks the assistant
// to place the call instead.
class HXPLACES_EXPORT PhoneText : public hx::trellan::TextArea
{
    Q_OBJECT
public:
    PhoneText(const QString &text, bool activeText, bool editable, bool assistantMode, QObject *parent = nullptr);

    bool isAssistantMode() const { return m_assistantMode; }

public slots:
    void onTap(hx::trellan::TapEvent *event);
    void onDetailListItemTapped();

signals:
    void makeZANTCall(const QString &number);

private:
    void call();

    bool m_assistantMode;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
