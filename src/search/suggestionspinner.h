#ifndef HX_TRELLAN_PLACES_SUGGESTIONSPINNER_H
#define HX_TRELLAN_PLACES_SUGGESTIONSPINNER_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <QtCore/QObject>

namespace hx {
namespace system {
class SystemProgressDialog;
}
namespace trellan {
namespace places {

// The blocking "Retrieving details" dialog shown while a suggestion is resolved too slowly to
// go unnoticed. Only the user's Cancel reports cancelled(); cancel() closes it silently.
class HXPLACES_EXPORT SuggestionSpinner : public QObject, public PickerRetrans
{
    Q_OBJECT
public:
    explicit SuggestionSpinner(QObject *parent = nullptr);
    ~SuggestionSpinner() override;

    void show();
    bool isShown() const;
    void retranslateUI() override;

Q_SIGNALS:
    void cancelled();

public Q_SLOTS:
    void cancel();

private:
    hx::system::SystemProgressDialog *m_dialog;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
