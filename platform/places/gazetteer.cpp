// Placeholder until the gazetteer lands: an empty gazetteer that finds nothing.
#include <hx/platform/places/gazetteer.h>

#include <QtCore/QDir>
#include <QtCore/QStandardPaths>

namespace hx {
namespace platform {
namespace places {

class GazetteerPrivate
{
public:
    QString path;
};

bool GazetteerEntry::operator==(const GazetteerEntry &other) const
{
    return id == other.id && kind == other.kind && name == other.name;
}

Gazetteer::Gazetteer(const QString &path) : d(new GazetteerPrivate)
{
    d->path = path.isEmpty() ? defaultPath() : path;
}

Gazetteer::~Gazetteer() = default;

QString Gazetteer::defaultPath()
{
    const QString configured = qEnvironmentVariable("HX_GAZETTEER_DB");
    if (!configured.isEmpty())
        return configured;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/hxplaces/gazetteer.db");
}

bool Gazetteer::isOpen() const
{
    return false;
}
QString Gazetteer::path() const
{
    return d->path;
}
QString Gazetteer::errorString() const
{
    return QStringLiteral("no gazetteer");
}

QList<GazetteerEntry> Gazetteer::search(const QString &, int, double, double, int, int, bool *hasMore) const
{
    if (hasMore)
        *hasMore = false;
    return {};
}

QList<GazetteerEntry> Gazetteer::nearest(double, double, int, int) const
{
    return {};
}
GazetteerEntry Gazetteer::entry(qint64) const
{
    return {};
}
QStringList Gazetteer::categories(const QString &, int) const
{
    return {};
}

} // namespace places
} // namespace platform
} // namespace hx
