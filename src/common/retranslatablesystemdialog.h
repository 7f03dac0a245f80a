#ifndef HX_TRELLAN_PLACES_RETRANSLATABLESYSTEMDIALOG_H
#define HX_TRELLAN_PLACES_RETRANSLATABLESYSTEMDIALOG_H

#include <hx/platform/places/error.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QString>

namespace hx {
namespace system {
class SystemDialog;
}
namespace trellan {
namespace places {

// The error dialog of the place manager front. A plain object: show() hands a system dialog to
// the system, which deletes itself when the user closes it, so this object can go at once.
class HXPLACES_EXPORT RetranslatableSystemDialog
{
public:
    RetranslatableSystemDialog(hx::platform::places::Error::Type error, qint64 placeId);
    virtual ~RetranslatableSystemDialog();

    void show();

    hx::platform::places::Error::Type error() const;
    qint64 placeId() const;

    // The translated title and body shown for an error; empty when the error shows none.
    static QString title(hx::platform::places::Error::Type error);
    static QString body(hx::platform::places::Error::Type error);

private:
    Q_DISABLE_COPY(RetranslatableSystemDialog)
    hx::platform::places::Error::Type m_error;
    qint64 m_placeId;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
