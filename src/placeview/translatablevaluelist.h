#ifndef HX_TRELLAN_PLACES_TRANSLATABLEVALUELIST_H
#define HX_TRELLAN_PLACES_TRANSLATABLEVALUELIST_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <hx/trellan/label.h>

#include <QtCore/QList>
#include <QtCore/QStringList>

namespace hx {
namespace trellan {
namespace places {

// The names of a place's subcategories on one line, in the phone's language ("Cafés, Bakeries").
class HXPLACES_EXPORT TranslatableValueList : public hx::trellan::Label, public PickerRetrans
{
    Q_OBJECT
public:
    TranslatableValueList(const QList<QStringList> &codeLists, const QStringList &parentCodes,
                          QObject *parent = nullptr);

    // The known subcategory codes of each list in order; the first unknown code of list i puts
    // parentCodes[i] + "??" in front instead (once per list).
    static QStringList validate(const QList<QStringList> &codeLists, const QStringList &parentCodes);
    QStringList keys() const { return m_keys; }
    void retranslateUI() override;

private:
    QStringList m_keys;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
