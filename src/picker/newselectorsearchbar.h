#ifndef HX_TRELLAN_PLACES_NEWSELECTORSEARCHBAR_H
#define HX_TRELLAN_PLACES_NEWSELECTORSEARCHBAR_H

#include <hx/trellan/container.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
class AbstractTextControl;
class TextField;
namespace places {

// The search field of the new selector, whose hint says what the chosen filter searches.
class HXPLACES_EXPORT NewSelectorSearchBar : public hx::trellan::Container, public PickerRetrans
{
    Q_OBJECT
public:
    explicit NewSelectorSearchBar(QObject *parent = nullptr);
    ~NewSelectorSearchBar() override;

    QString text() const;
    void setText(const QString &text);
    // Changes the text without announcing it as typing.
    void setTextNoSignal(const QString &text);
    hx::trellan::TextField *field() const { return m_field; }

    void retranslateUI() override;

public Q_SLOTS:
    // The filter whose hint the field shows (a NewSelectorFilter::Filter).
    void setFilter(int filter);

Q_SIGNALS:
    void submitted(const QString &text);
    void textChanging(const QString &text);

private Q_SLOTS:
    void onSubmitted(hx::trellan::AbstractTextControl *control);

private:
    hx::trellan::TextField *m_field;
    int m_filter = 0;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
