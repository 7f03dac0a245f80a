#ifndef HX_TRELLAN_PLACES_CUSTOMDIALOG_H
#define HX_TRELLAN_PLACES_CUSTOMDIALOG_H

#include <hx/trellan/customcontrol.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <QtCore/QVariant>

namespace hx {
namespace trellan {
namespace places {

class CustomDialogPrivate;

// A box over a dimmed screen with a title, any content control and OK / Cancel buttons.
// dialogResult() hands back the content and the caller's user data; getResult() tells which
// button closed it: 0 for OK, 1 for Cancel (and 1 before any button is pressed).
class HXPLACES_EXPORT CustomDialog : public hx::trellan::CustomControl, public PickerRetrans
{
    Q_OBJECT

public:
    // The box's colour, under the title, content and buttons.
    static const quint32 BACKGROUND_COLOR = 0xFF262626;

    explicit CustomDialog(QObject *parent = nullptr);
    ~CustomDialog() override;

    void setTitle(const QString &title);
    // The dialog shows the control in its content area and owns it until reset().
    void setContent(hx::trellan::Control *content);
    hx::trellan::Control *content() const;
    void setUserData(const QVariant &userData);

    // Opens the dialog; the toolkit dialog is made on first use and kept for the next time.
    void show();
    bool isOpened() const;
    // Takes the content away (it is deleted later) and forgets the user data, so the dialog can
    // be shown again with other content.
    void reset();
    int getResult() const;

    void retranslateUI() override;

signals:
    void dialogResult(hx::trellan::Control *content, const QVariant &userData);

public slots:
    void onOKButton();
    void onCancelButton();

private:
    CustomDialogPrivate *d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
