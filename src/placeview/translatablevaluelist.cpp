#include <hx/trellan/places/translatablevaluelist.h>

#include <hx/trellan/places/placeutils.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QLocale>

namespace hx {
namespace trellan {
namespace places {

TranslatableValueList::TranslatableValueList(const QList<QStringList> &codeLists, const QStringList &parentCodes,
                                             QObject *parent)
    : Label(parent), m_keys(validate(codeLists, parentCodes))
{
    setObjectName(QStringLiteral("TranslatableValueList"));
    retranslateUI();
}

QStringList TranslatableValueList::validate(const QList<QStringList> &codeLists, const QStringList &parentCodes)
{
    QStringList keys;
    for (int i = 0; i < codeLists.size(); ++i) {
        bool parentAdded = false;
        for (const QString &code : codeLists.at(i)) {
            if (PlaceUtils::SUB_CATEGORIES.contains(code)) {
                keys << code;
            } else if (!parentAdded) {
                keys.prepend(parentCodes.value(i) + QStringLiteral("??"));
                parentAdded = true;
            }
        }
    }
    return keys;
}

void TranslatableValueList::retranslateUI()
{
    QStringList names;
    for (const QString &key : m_keys) {
        const QByteArray english = PlaceUtils::SUB_CATEGORIES.value(key).toString().toUtf8();
        names << QCoreApplication::translate("PlacesDetail::Subcategory", english.constData());
    }
    setText(QLocale().createSeparatedList(names));
}

} // namespace places
} // namespace trellan
} // namespace hx
