#include <hx/platform/places/gazetteer.h>
#include <hx/trellan/maps/mapimagegenerator.h>

#include <QtCore/QBuffer>
#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QPointer>
#include <QtCore/QRunnable>
#include <QtCore/QSet>
#include <QtCore/QThreadPool>
#include <QtCore/QtMath>
#include <QtGui/QFontMetricsF>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

#include <algorithm>

namespace hx {
namespace trellan {
namespace maps {

namespace {
const double EarthRadius = 6378137.0;

// Web Mercator metres of a point.
QPointF mercator(double latitude, double longitude)
{
    const double clamped = qBound(-85.0511, latitude, 85.0511);
    return QPointF(EarthRadius * qDegreesToRadians(longitude),
                   EarthRadius * std::log(std::tan(M_PI / 4 + qDegreesToRadians(clamped) / 2)));
}

// The largest of 1, 2, 5 × 10^n metres that is at most limit.
double niceDistance(double limit)
{
    if (limit <= 1)
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(limit)));
    for (double step : { 5.0, 2.0, 1.0 }) {
        if (step * power <= limit)
            return step * power;
    }
    return power;
}

QString distanceText(double metres)
{
    if (metres >= 1000)
        return QStringLiteral("%1 km").arg(metres / 1000.0);
    return QStringLiteral("%1 m").arg(metres);
}
} // namespace

struct MapImageGenerator::Private
{
    ViewProperties properties;
    QList<MapPin> pins;
    QString gazetteerPath;
    mutable QMutex mutex; // guards image and finished between the painter and readers
    QImage image;
    bool finished = false;
};

MapImageGenerator::MapImageGenerator(const ViewProperties &properties, const QList<MapPin> &pins, QObject *parent)
    : QObject(parent), d(new Private)
{
    d->properties = properties;
    d->pins = pins;
}

MapImageGenerator::MapImageGenerator(const ViewProperties &properties, const hx::platform::geo::GeoList &pins,
                                     QObject *parent)
    : MapImageGenerator(properties, QList<MapPin>(), parent)
{
    for (const hx::platform::geo::Point &point : pins.points()) {
        if (point.isValid())
            d->pins.append(MapPin { point.latitude(), point.longitude(), QString() });
    }
}

MapImageGenerator::~MapImageGenerator() = default;

ViewProperties MapImageGenerator::viewProperties() const
{
    return d->properties;
}

QList<MapPin> MapImageGenerator::pins() const
{
    return d->pins;
}

void MapImageGenerator::setGazetteerPath(const QString &path)
{
    d->gazetteerPath = path;
}

QImage MapImageGenerator::image() const
{
    QMutexLocker locker(&d->mutex);
    return d->image;
}

bool MapImageGenerator::isValid() const
{
    return !image().isNull();
}

QByteArray MapImageGenerator::imageData() const
{
    const QImage painted = image();
    if (painted.isNull())
        return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    painted.save(&buffer, "PNG");
    return bytes;
}

bool MapImageGenerator::isFinished() const
{
    QMutexLocker locker(&d->mutex);
    return d->finished;
}

namespace {
QPointF projectPoint(const ViewProperties &view, double latitude, double longitude)
{
    const QPointF centre = mercator(view.latitude(), view.longitude());
    const QPointF point = mercator(latitude, longitude);
    // Mercator metres grow with latitude; the scale is true ground metres at the centre.
    const double stretch = 1.0 / qCos(qDegreesToRadians(qBound(-85.0, view.latitude(), 85.0)));
    const double perPixel = view.metresPerPixel() * stretch;
    const QRectF window = QRectF(view.window()).translated(-view.window().topLeft());
    return QPointF(window.center().x() + (point.x() - centre.x()) / perPixel,
                   window.center().y() - (point.y() - centre.y()) / perPixel);
}

QImage paint(const ViewProperties &view, const QList<MapPin> &pins, const QString &configuredGazetteer)
{
    auto project = [&view](double latitude, double longitude) { return projectPoint(view, latitude, longitude); };
    if (!view.isValid())
        return QImage();
    const QSize size = view.window().size();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xEE, 0xEA, 0xE2));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setFamily(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qBound(9, size.height() / 40, 16));
    painter.setFont(font);

    // Graticule: lines at a round step of degrees, about four across the window.
    const double metresAcross = view.metresPerPixel() * size.width();
    const double degreesAcross = metresAcross / 111320.0;
    double step = niceDistance(degreesAcross / 4 * 1000.0) / 1000.0;
    if (step <= 0)
        step = 1;
    painter.setPen(QPen(QColor(0xC8, 0xC4, 0xBC), 1));
    const QPointF topLeft(0, 0);
    const double spanLat = degreesAcross * size.height() / size.width() + step;
    const double spanLon = degreesAcross / qMax(0.01, qCos(qDegreesToRadians(view.latitude()))) + step;
    for (double lat = std::floor((view.latitude() - spanLat) / step) * step; lat <= view.latitude() + spanLat;
         lat += step) {
        const double y = project(lat, view.longitude()).y();
        if (y >= 0 && y < size.height())
            painter.drawLine(QPointF(0, y), QPointF(size.width(), y));
    }
    for (double lon = std::floor((view.longitude() - spanLon) / step) * step; lon <= view.longitude() + spanLon;
         lon += step) {
        const double x = project(view.latitude(), lon).x();
        if (x >= 0 && x < size.width())
            painter.drawLine(QPointF(x, 0), QPointF(x, size.height()));
    }
    Q_UNUSED(topLeft)

    const QRectF bounds(QPointF(0, 0), QSizeF(size));
    // Kept free of names: the scale bar, top left; the bottom fifth and the bottom right corner,
    // where a place card lays its rating and the place's picture over the map; and above each pin room for a pin of up
    // to a third of the map's height (an application may draw its own over the place).
    QList<QRectF> taken;
    taken.append(QRectF(0, size.height() * 0.78, size.width(), size.height() * 0.22));
    taken.append(
        QRectF(size.width() - size.height() * 0.5, size.height() * 0.5, size.height() * 0.5, size.height() * 0.5));
    const double perPixel = view.metresPerPixel();
    const double distance = niceDistance(perPixel * size.width() / 4);
    const double barLength = distance / perPixel;
    const QPointF barStart(10, 10 + painter.fontMetrics().height() + 6);
    taken.append(QRectF(0, 0, barLength + 20, barStart.y() + 6));
    QList<QPointF> pinPoints;
    for (const MapPin &pin : pins) {
        const QPointF at = project(pin.latitude, pin.longitude);
        pinPoints.append(at);
        const double width = size.height() * 0.22;
        taken.append(QRectF(at.x() - width / 2, at.y() - size.height() / 3.0, width, size.height() / 3.0 + 6));
    }
    auto isFree = [&taken, &bounds](const QRectF &rect) {
        if (!bounds.contains(rect))
            return false;
        for (const QRectF &other : taken) {
            if (other.intersects(rect))
                return false;
        }
        return true;
    };

    // The gazetteer's places in the window, as dots and names: each name once, where it covers
    // neither another name nor a pin; a place under a pin is left to the pin.
    QString gazetteerPath = configuredGazetteer;
    if (gazetteerPath.isEmpty())
        gazetteerPath = hx::platform::places::Gazetteer::defaultPath();
    if (QFileInfo(gazetteerPath).isFile()) {
        const hx::platform::places::Gazetteer gazetteer(gazetteerPath);
        if (gazetteer.isOpen()) {
            const int kinds = hx::platform::places::GazetteerEntry::Locality
                | hx::platform::places::GazetteerEntry::PointOfInterest;
            const auto entries = gazetteer.nearest(view.latitude(), view.longitude(), kinds, 40);
            const QFontMetricsF metrics(painter.font());
            QSet<QString> named;
            for (const auto &entry : entries) {
                const QPointF at = project(entry.latitude, entry.longitude);
                const bool pinned = std::any_of(pinPoints.cbegin(), pinPoints.cend(),
                                                [&at](const QPointF &pin) { return QLineF(pin, at).length() < 8; });
                if (!bounds.contains(at) || pinned || named.contains(entry.name))
                    continue;
                const QRectF dot(at.x() - 3, at.y() - 3, 6, 6);
                if (!isFree(dot))
                    continue;
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(0x60, 0x60, 0x60));
                painter.drawEllipse(dot);
                taken.append(dot);
                const QSizeF text(metrics.horizontalAdvance(entry.name), metrics.height());
                const QPointF corners[]
                    = { at + QPointF(5, -text.height()), at + QPointF(5, 0),
                        at + QPointF(-5 - text.width(), -text.height()), at + QPointF(-5 - text.width(), 0) };
                for (const QPointF &corner : corners) {
                    const QRectF label(corner, text);
                    if (!isFree(label))
                        continue;
                    // A light halo keeps the name readable over the lines of the map.
                    QPainterPath outline;
                    outline.addText(label.left(), label.top() + metrics.ascent(), painter.font(), entry.name);
                    painter.setPen(QPen(QColor(0xEE, 0xEA, 0xE2), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                    painter.setBrush(Qt::NoBrush);
                    painter.drawPath(outline);
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(QColor(0x30, 0x30, 0x30));
                    painter.drawPath(outline);
                    taken.append(label);
                    named.insert(entry.name);
                    break;
                }
            }
        }
    }

    // Scale bar, top left (a card lays its rating along the bottom): a round distance no longer
    // than a quarter of the width.
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(barStart, barStart + QPointF(barLength, 0));
    painter.drawLine(barStart, barStart + QPointF(0, -5));
    painter.drawLine(barStart + QPointF(barLength, 0), barStart + QPointF(barLength, -5));
    painter.drawText(barStart + QPointF(0, -8), distanceText(distance));

    // Pins: a red drop whose point touches the place.
    for (const MapPin &pin : pins) {
        const QPointF at = project(pin.latitude, pin.longitude);
        const double radius = qBound(6.0, size.height() / 40.0, 20.0);
        QPainterPath drop;
        drop.moveTo(at);
        drop.lineTo(at + QPointF(-radius * 0.8, -radius * 1.6));
        drop.arcTo(QRectF(at.x() - radius, at.y() - radius * 3, radius * 2, radius * 2), 210, -240);
        drop.closeSubpath();
        painter.setPen(QPen(QColor(0x80, 0x00, 0x00), 1));
        painter.setBrush(QColor(0xE0, 0x20, 0x20));
        painter.drawPath(drop);
        painter.setBrush(QColor(0xE0, 0x20, 0x20));
        painter.drawEllipse(at, radius * 0.35, radius * 0.35);
        if (!pin.label.isEmpty()) {
            painter.setPen(Qt::black);
            painter.drawText(at + QPointF(radius + 2, -radius * 2), pin.label);
        }
    }
    painter.end();
    return image;
}
} // namespace

// Receives the finished images on the generator's thread. The image travels as the argument of
// a queued signal, so the event queue owns the copy and frees it on this side.
class MapImageGenerator::Relay : public QObject
{
    Q_OBJECT
public:
    explicit Relay(QObject *parent) : QObject(parent)
    {
        connect(this, &Relay::painted, this, &Relay::deliver, Qt::QueuedConnection);
    }

signals:
    void painted(QPointer<hx::trellan::maps::MapImageGenerator> generator, QImage image);

private:
    // A generator deleted meanwhile is simply skipped.
    void deliver(const QPointer<MapImageGenerator> &generator, const QImage &image)
    {
        if (!generator)
            return;
        {
            QMutexLocker locker(&generator->d->mutex);
            generator->d->image = image;
            generator->d->finished = true;
        }
        emit generator->finished(generator);
    }
};

QPointF MapImageGenerator::project(double latitude, double longitude) const
{
    return projectPoint(d->properties, latitude, longitude);
}

QImage MapImageGenerator::render() const
{
    return paint(d->properties, d->pins, d->gazetteerPath);
}

MapImageGenerator::Relay *MapImageGenerator::relay()
{
    // Made on the application's thread and owned by the application, so it outlives the
    // generators there; a generator on another thread has a relay of its own.
    static QPointer<Relay> applicationRelay;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || app->thread() != thread()) {
        Relay *own = findChild<Relay *>(QString(), Qt::FindDirectChildrenOnly);
        return own ? own : new Relay(this);
    }
    if (!applicationRelay)
        applicationRelay = new Relay(app);
    return applicationRelay;
}

void MapImageGenerator::start()
{
    emit started();
    // The job works on copies and hands the image over through the relay.
    QPointer<MapImageGenerator> self(this);
    const ViewProperties properties = d->properties;
    const QList<MapPin> pins = d->pins;
    const QString gazetteerPath = d->gazetteerPath;
    Relay *relay = this->relay();
    QThreadPool::globalInstance()->start(QRunnable::create([self, relay, properties, pins, gazetteerPath] {
        emit relay->painted(self, paint(properties, pins, gazetteerPath));
    }));
}

} // namespace maps
} // namespace trellan
} // namespace hx

#include "mapimagegenerator.moc"
