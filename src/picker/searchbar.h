#ifndef HX_TRELLAN_PLACES_SEARCHBAR_H
#define HX_TRELLAN_PLACES_SEARCHBAR_H

#include <hx/trellan/container.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
class Button;
class Control;
class TextField;
namespace places {

// A small filter field over a list: hidden until the user starts typing, then shown with the
// typed text and a Cancel button. Every change of the text comes out as filterChanged; Cancel
// hides the bar again and clears the filter.
class HXPLACES_EXPORT SearchBar : public hx::trellan::Container, public PickerRetrans
{
    Q_OBJECT
public:
    explicit SearchBar(QObject *parent = nullptr);
    ~SearchBar() override;

    // Keys typed on a physical keyboard while control is on screen and no field has the focus
    // open the bar and go into its field, so typing anywhere on the list starts a filter.
    void listenForKeys(hx::trellan::Control *control);

    // Hides the bar and its field, empties the field and takes its focus away.
    void close();
    void enable();
    void disable();

    // The bar's field ("FilterField") and button ("FilterCancelButton").
    hx::trellan::TextField *field() const { return m_field; }
    hx::trellan::Button *cancelButton() const { return m_cancel; }

    void retranslateUI() override;

Q_SIGNALS:
    void filterChanged(const QString &newText);

public Q_SLOTS:
    void onTextChanging(const QString &text);
    void onClicked();

private:
    void onKeyPressed(const QString &key);

    hx::trellan::TextField *m_field;
    hx::trellan::Button *m_cancel;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
