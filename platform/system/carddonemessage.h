#ifndef HX_SYSTEM_CARDDONEMESSAGE_H
#define HX_SYSTEM_CARDDONEMESSAGE_H

#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace hx {
namespace system {

// What a card hands back to the application that invoked it when it closes.
class CardDoneMessage
{
public:
    // The reasons the invocation service gives itself when a card ended without an answer it
    // could hand on; a card's own reasons never start with "hx.".
    static constexpr char NotStarted[] = "hx.not-started"; // no program, or no socket for it
    static constexpr char Crashed[] = "hx.crashed";
    static constexpr char LeftWithoutAnswer[] = "hx.left-without-answer";
    static constexpr char TimedOut[] = "hx.timed-out";
    static constexpr char AnswerTooLong[] = "hx.answer-too-long"; // longer than a card may send
    static constexpr char UnreadableAnswer[] = "hx.unreadable-answer";
    static constexpr char CardOpen[] = "hx.card-open"; // another card of this process was still open

    CardDoneMessage() = default;
    CardDoneMessage(const QString &reason, const QString &data, const QString &dataType = QString())
        : m_reason(reason), m_data(data), m_dataType(dataType)
    { }

    // Why the card closed, such as "save" or "cancel"; free text chosen by the card, or one of
    // the service's own reasons above.
    QString reason() const { return m_reason; }
    void setReason(const QString &reason) { m_reason = reason; }
    QString data() const { return m_data; }
    void setData(const QString &data) { m_data = data; }
    QString dataType() const { return m_dataType; }
    void setDataType(const QString &dataType) { m_dataType = dataType; }

    bool operator==(const CardDoneMessage &other) const
    {
        return m_reason == other.m_reason && m_data == other.m_data && m_dataType == other.m_dataType;
    }
    bool operator!=(const CardDoneMessage &other) const { return !(*this == other); }

private:
    QString m_reason;
    QString m_data;
    QString m_dataType;
};

} // namespace system
} // namespace hx

Q_DECLARE_METATYPE(hx::system::CardDoneMessage)

#endif
