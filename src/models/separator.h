#ifndef HX_TRELLAN_PLACES_SEPARATOR_H
#define HX_TRELLAN_PLACES_SEPARATOR_H

#include <hx/trellan/header.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <QtCore/QString>

namespace hx {
namespace trellan {
namespace places {

// The header row of a place list: shows the title of its "HEADER_…" key in the user's
// language, and follows language changes while shown.
class HXPLACES_EXPORT Separator : public hx::trellan::Header, private PickerRetrans
{
    Q_OBJECT

public:
    explicit Separator(const QString &key = QString(), QObject *parent = nullptr);
    ~Separator() override;

    QString key() const;
    void setKey(const QString &key);

    // The translated title of a header key; empty for keys without one.
    static QString headerTitle(const QString &key);

protected:
    void retranslateUI() override;

private:
    QString m_key;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
