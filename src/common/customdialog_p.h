#ifndef HX_TRELLAN_PLACES_CUSTOMDIALOG_P_H
#define HX_TRELLAN_PLACES_CUSTOMDIALOG_P_H

#include <QtCore/QPointer>
#include <QtCore/QVariant>

namespace hx {
namespace trellan {
class Button;
class Container;
class Control;
class Dialog;
class Label;

namespace places {

class CustomDialog;

class CustomDialogPrivate
{
public:
    explicit CustomDialogPrivate(CustomDialog *owner);

    void finish(int result);

    CustomDialog *q;
    hx::trellan::Dialog *dialog = nullptr;
    // Dimmed backdrop as large as the display; the toolkit dialog's content.
    hx::trellan::Container *backdrop;
    hx::trellan::Label *title;
    hx::trellan::Container *contentContainer;
    hx::trellan::Button *okButton;
    hx::trellan::Button *cancelButton;
    // Guarded: a caller may delete its content itself.
    QPointer<hx::trellan::Control> content;
    QVariant userData;
    int result = 1;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
