#ifndef HXPLACES_DIALOGSSCREEN_H
#define HXPLACES_DIALOGSSCREEN_H

#include <hx/system/systemuiresult.h>
#include <hx/trellan/page.h>

namespace hx {
namespace trellan {
class Control;
class Label;
namespace places {
class CustomDialog;
}
} // namespace trellan
} // namespace hx

// The library's shared dialogs and toast, one button each, and the answer the last one gave:
// a screen to see them, answer them and watch them follow a language change.
class DialogsScreen : public hx::trellan::Page
{
    Q_OBJECT
public:
    explicit DialogsScreen(QObject *parent = nullptr);

private slots:
    void showDuplicatePlace();
    void showDataServices();
    void showLocation();
    void showPlaceNotFound();
    void showFavoriteToast();
    void showCustomDialog();
    void onCustomDialogResult(hx::trellan::Control *content, const QVariant &userData);

private:
    void addButton(const QString &name, const QString &text, void (DialogsScreen::*slot)());
    void answer(const QString &text);

    hx::trellan::Label *m_answer;
    hx::trellan::places::CustomDialog *m_custom = nullptr;
};

#endif
