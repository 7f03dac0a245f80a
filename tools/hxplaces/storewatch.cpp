#include "storewatch.h"

#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/platform/places/sortrule.h>
#include <hx/platform/places/tags.h>

using namespace hx::platform::places;

namespace {
constexpr int Everything = 1000000;
}

StoreWatch::StoreWatch()
{
    bool ok = false;
    m_now = places(&ok);
}

QHash<qint64, QString> StoreWatch::places(bool *ok)
{
    QHash<qint64, QString> found;
    *ok = true;
    const auto keep = [&found, ok](const QList<PlaceHeader *> &headers, Error::Type error) {
        if (error != Error::None && error != Error::NotFound)
            *ok = false;
        for (const PlaceHeader *header : headers)
            found.insert(header->id(), header->name());
        qDeleteAll(headers);
    };
    Error::Type error = Error::None;
    SearchHandle handle;
    InternalPlaceManager internal;
    keep(internal.findRecentlyPickedPlaces(error, handle, 0, Everything), error);
    PlaceManager manager;
    for (const char *tag : { Tags::Favorite, Tags::MyHome, Tags::MyWork }) {
        error = Error::None;
        keep(manager.findPlacesByTags({ QLatin1String(tag) }, error, handle, SortRule(), 0, Everything), error);
    }
    return found;
}

bool StoreWatch::update(const QString &step)
{
    bool ok = false;
    const QHash<qint64, QString> now = places(&ok);
    if (!ok) {
        m_failure = QStringLiteral("the store could not be read after \"%1\"").arg(step);
        return false;
    }
    for (auto it = now.constBegin(); it != now.constEnd(); ++it) {
        if (!m_now.contains(it.key()))
            m_saved.insert(it.key(), it.value());
    }
    for (auto it = m_now.constBegin(); it != m_now.constEnd(); ++it) {
        if (!now.contains(it.key()) && m_saved.remove(it.key()) > 0)
            ++m_removed;
    }
    m_now = now;
    return true;
}

QStringList StoreWatch::kept() const
{
    QStringList lines;
    for (auto it = m_saved.constBegin(); it != m_saved.constEnd(); ++it) {
        // Under the name it has now: a screen may rename what it saved.
        const QByteArray name = m_now.value(it.key()).toUtf8().toPercentEncoding();
        lines.append(QStringLiteral("%1\t%2").arg(it.key()).arg(QString::fromUtf8(name)));
    }
    lines.sort();
    return lines;
}
