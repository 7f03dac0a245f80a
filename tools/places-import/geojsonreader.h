#ifndef HX_TOOLS_GEOJSONREADER_H
#define HX_TOOLS_GEOJSONREADER_H

#include <QtCore/QByteArray>
#include <QtCore/QVector>

#include <functional>

#include "importrecord.h"

// GeoJSON Point features (a FeatureCollection or one Feature): the properties become the
// record's fields, the point its lat and lon. Each feature is reported with the line it
// starts on, found by a scan of the text beside the parse.
class GeoJsonReader
{
public:
    using Sink = std::function<void(const ImportRecord &record, qint64 bytesRead)>;

    // False with *error when the text is not JSON or not GeoJSON at all.
    static bool read(const QByteArray &data, const Sink &sink, QString *error);

private:
    static QVector<int> featureOffsets(const QByteArray &data);
};

#endif
