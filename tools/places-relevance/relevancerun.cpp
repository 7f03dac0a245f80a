#include "relevancerun.h"

#include <hx/platform/places/abstractplace.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/modelmarker.h>

#include <QtCore/QEventLoop>
#include <QtCore/QTimer>

using hx::platform::places::AbstractPlace;
using hx::platform::places::Coordinates;
using namespace hx::trellan::places;

namespace {
// A place this near another of the same name is the same place.
constexpr double SamePlaceMetres = 50;
constexpr int LoadTimeoutMs = 30000;
} // namespace

QString RelevanceRun::keyOf(const QString &name)
{
    QString key;
    for (const QChar c : name.normalized(QString::NormalizationForm_KD)) {
        if (c.category() != QChar::Mark_NonSpacing)
            key.append(c);
    }
    return key.toCaseFolded().simplified();
}

RelevanceRun::Outcome RelevanceRun::run(const RelevanceTable::Query &query)
{
    QEventLoop loop;
    QTimer::singleShot(LoadTimeoutMs, &loop, &QEventLoop::quit);
    const QMetaObject::Connection done
        = connect(&m_model, &PlacesDataModel::modelLoadedFinal, &loop, &QEventLoop::quit);
    // An empty category list asks for the groups the search field asks for.
    m_model.load(query.text, Coordinates(query.latitude, query.longitude), QList<FilterCategory::Type>(), true);
    loop.exec();
    disconnect(done);

    Outcome outcome;
    QList<QSharedPointer<AbstractPlace>> places;
    const int count = m_model.childCount({});
    for (int i = 0; i < count; ++i) {
        const ModelMarker marker = m_model.data({ i }).value<ModelMarker>();
        if (!ItemType::isListItem(marker.type()))
            continue;
        const QSharedPointer<AbstractPlace> place = m_model.place({ i });
        if (place)
            places.append(place);
    }
    const QString wanted = keyOf(query.name);
    for (int i = 0; i < places.size(); ++i) {
        const AbstractPlace &place = *places.at(i);
        if (i < ScreenRows) {
            outcome.rows.append(place.name());
            if (keyOf(place.name()) == wanted
                && (query.countryCode.isEmpty()
                    || place.primaryAddress().isoAlpha2CountryCode().compare(query.countryCode, Qt::CaseInsensitive)
                        == 0))
                outcome.shown = true;
        }
        for (int j = 0; j < i && outcome.twice.isEmpty(); ++j) {
            const AbstractPlace &earlier = *places.at(j);
            const Coordinates a = place.primaryCoordinates();
            const Coordinates b = earlier.primaryCoordinates();
            if (keyOf(place.name()) == keyOf(earlier.name()) && a.isValid() && b.isValid()
                && a.distanceTo(b) <= SamePlaceMetres)
                outcome.twice = place.name();
        }
    }
    return outcome;
}
