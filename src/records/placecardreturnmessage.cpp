#include <hx/trellan/places/placecardreturnmessage.h>

#include <QtCore/QStringList>

namespace hx {
namespace trellan {
namespace places {

namespace {

// Indexed by status; the text form of anything else is "UNKNOWN".
const char *const statusWords[] = { "UNKNOWN", "EXISTED", "MODIFIED", "SELECTED", "SELECTEDMODIFIED" };
constexpr int statusWordCount = int(sizeof(statusWords) / sizeof(statusWords[0]));

} // namespace

PlaceCardReturnMessage::PlaceCardReturnMessage() : m_id(-1), m_status(Unknown) { }

PlaceCardReturnMessage::PlaceCardReturnMessage(qint64 id, ReturnedPlaceStatus status) : m_id(id), m_status(status) { }

PlaceCardReturnMessage::PlaceCardReturnMessage(const PlaceCardReturnMessage &other) = default;

PlaceCardReturnMessage &PlaceCardReturnMessage::operator=(const PlaceCardReturnMessage &other) = default;

PlaceCardReturnMessage::~PlaceCardReturnMessage() = default;

qint64 PlaceCardReturnMessage::getId() const
{
    return m_id;
}

PlaceCardReturnMessage::ReturnedPlaceStatus PlaceCardReturnMessage::getStatus() const
{
    return m_status;
}

QString PlaceCardReturnMessage::toString() const
{
    const int status = int(m_status);
    const char *word = (status > 0 && status < statusWordCount) ? statusWords[status] : statusWords[0];
    return QStringLiteral("%1:%2").arg(m_id).arg(QLatin1String(word));
}

PlaceCardReturnMessage PlaceCardReturnMessage::fromString(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return PlaceCardReturnMessage();

    // The id is read as a 32-bit number on purpose: the previewer's peers write it that way,
    // so a wider id is no id at all.
    bool ok = false;
    const int parsed = parts.at(0).toInt(&ok, 10);
    const qint64 id = ok ? qint64(parsed) : qint64(-1);

    ReturnedPlaceStatus status = Unknown;
    for (int i = 1; i < statusWordCount; ++i) {
        if (parts.at(1) == QLatin1String(statusWords[i])) {
            status = ReturnedPlaceStatus(i);
            break;
        }
    }
    if (id == -1)
        status = Unknown;
    return PlaceCardReturnMessage(id, status);
}

bool PlaceCardReturnMessage::operator==(const PlaceCardReturnMessage &other) const
{
    return m_id == other.m_id && m_status == other.m_status;
}

} // namespace places
} // namespace trellan
} // namespace hx
