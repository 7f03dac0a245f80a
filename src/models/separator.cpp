#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/separator.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

namespace {
// Looked up in this order; the first key that matches gives the title.
const char *const titles[][2] = {
    { ItemType::HEADER_TODAY, QT_TRANSLATE_NOOP("Places", "Today") },
    { ItemType::HEADER_WEEK, QT_TRANSLATE_NOOP("Places", "This Week") },
    { ItemType::HEADER_MONTH, QT_TRANSLATE_NOOP("Places", "This Month") },
    { ItemType::HEADER_EARLIER, QT_TRANSLATE_NOOP("Places", "Last Month or Earlier") },
    { ItemType::HEADER_CONTACT, QT_TRANSLATE_NOOP("Places", "Contact") },
    { ItemType::HEADER_FAVORITE, QT_TRANSLATE_NOOP("Places", "Favorite") },
    { ItemType::HEADER_RECENT, QT_TRANSLATE_NOOP("Places", "Recent") },
    { ItemType::HEADER_MYPLACES, QT_TRANSLATE_NOOP("Places", "My Places") },
    { ItemType::HEADER_REMOTEPLACES, QT_TRANSLATE_NOOP("Places", "Suggestions") },
    { ItemType::HEADER_SUGGESTION, QT_TRANSLATE_NOOP("Places", "Suggestions Near Map Center") },
    { ItemType::HEADER_POI, QT_TRANSLATE_NOOP("Places", "Points of Interest") },
    { ItemType::HEADER_SPELLED_ALIKE, QT_TRANSLATE_NOOP("Places", "Did You Mean") },
};
} // namespace

Separator::Separator(const QString &key, QObject *parent) : Header(parent), PickerRetrans(true), m_key(key)
{
    retranslateUI();
}

Separator::~Separator() = default;

QString Separator::key() const
{
    return m_key;
}

void Separator::setKey(const QString &key)
{
    m_key = key;
    retranslateUI();
}

QString Separator::headerTitle(const QString &key)
{
    for (const auto &title : titles) {
        if (key == QLatin1String(title[0]))
            return QCoreApplication::translate("Places", title[1]);
    }
    return QString();
}

void Separator::retranslateUI()
{
    setTitle(headerTitle(m_key));
}

} // namespace places
} // namespace trellan
} // namespace hx
