#ifndef HX_TRELLAN_MAPS_MAPIMAGEGENERATOR_H
#define HX_TRELLAN_MAPS_MAPIMAGEGENERATOR_H

#include <hx/platform/geo/geolist.h>
#include <hx/trellan/maps/mappin.h>
#include <hx/trellan/maps/viewproperties.h>

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QScopedPointer>
#include <QtGui/QImage>

namespace hx {
namespace trellan {
namespace maps {

// Paints a static map: a graticule, the gazetteer's places in the window (when a gazetteer file
// is configured: setGazetteerPath, else HX_GAZETTEER_DB when that file exists), a scale bar that
// follows the altitude, and the pins as markers. start() paints on the global thread pool and
// emits finished from the generator's thread; render() paints on the calling thread.
class MapImageGenerator : public QObject
{
    Q_OBJECT
public:
    explicit MapImageGenerator(const ViewProperties &properties, const QList<MapPin> &pins = QList<MapPin>(),
                               QObject *parent = nullptr);
    // The pins as geographic points (a marker at each valid one).
    MapImageGenerator(const ViewProperties &properties, const hx::platform::geo::GeoList &pins,
                      QObject *parent = nullptr);
    ~MapImageGenerator() override;

    ViewProperties viewProperties() const;
    QList<MapPin> pins() const;
    void setGazetteerPath(const QString &path);

    // The painted map; null until finished, or when the view is invalid.
    QImage image() const;
    bool isValid() const;
    // The image encoded as PNG; empty when invalid.
    QByteArray imageData() const;
    bool isFinished() const;

    // Paints at once.
    QImage render() const;
    // The pixel where a point lands in the window.
    QPointF project(double latitude, double longitude) const;

public slots:
    void start();

signals:
    void started();
    void finished(hx::trellan::maps::MapImageGenerator *generator);

private:
    class Relay;
    Relay *relay();

    struct Private;
    QScopedPointer<Private> d;
};

} // namespace maps
} // namespace trellan
} // namespace hx

#endif
