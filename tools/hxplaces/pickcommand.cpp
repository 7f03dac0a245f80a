#include "pickcommand.h"

#include "pickresolver.h"

#include <hx/system/invokemanager.h>
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placepicker.h>
#include <hx/trellan/places/selectedplace.h>

namespace {
// The card reads its steps from here; an interactive pick must not inherit a script's.
const char StepsVariable[] = "HX_CARD_STEPS";
// A scripted pick is over in seconds; past this the card is taken for stuck.
const int ScriptedTimeoutMs = 60000;
} // namespace

PickCommand::PickCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) { }

int PickCommand::interactive()
{
    // A person may take as long as they like.
    return pick(QString(), 0);
}

int PickCommand::scripted(const QList<QStringList> &steps)
{
    QStringList lines;
    for (const QStringList &words : steps)
        lines.append(words.join(QLatin1Char(' ')));
    return pick(lines.join(QLatin1Char('\n')), ScriptedTimeoutMs);
}

QList<QStringList> PickCommand::typeAndChoose(const QString &text, int choice)
{
    QStringList type { QStringLiteral("type"), QStringLiteral("SearchField") };
    type += text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return { type,
             { QStringLiteral("tap-nth"), QStringLiteral("SearchList"), QString::number(choice),
               QStringLiteral("ItemTitle") } };
}

int PickCommand::pick(const QString &steps, int timeoutMs)
{
    if (steps.isEmpty())
        qunsetenv(StepsVariable);
    else
        qputenv(StepsVariable, steps.toUtf8());
    hx::system::InvokeManager::setDefaultCardTimeout(timeoutMs);

    hx::trellan::places::PlacePicker picker;
    const hx::trellan::places::SelectedPlace *place = picker.show();
    if (!place) {
        // A person who cancels knows it; anything else, and any cancel of a script, is told.
        if (!steps.isEmpty() || picker.outcome() != hx::trellan::places::PlacePicker::Cancelled)
            m_err << "hxplaces: " << picker.errorString() << Qt::endl;
        return 1;
    }
    m_out << printable(*place) << Qt::endl;
    return 0;
}

QString PickCommand::printable(const hx::trellan::places::SelectedPlace &place)
{
    // The JSON text leaves out a few fields that the card's text had (the place URL's id, the
    // second phone); the card stored the pick, so the stored record gives the whole text.
    if (place.id() > 0) {
        hx::platform::places::Error::Type error = hx::platform::places::Error::None;
        const QSharedPointer<hx::platform::places::Place> stored(
            hx::trellan::places::PlaceManagerUI::getPlace(place.id(), error, false));
        if (stored && error == hx::platform::places::Error::None)
            return PickResolver::json(stored);
    }
    return hx::trellan::places::JsonUtils::encodeSelectedPlaceToJson(&place);
}
