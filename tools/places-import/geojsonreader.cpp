#include "geojsonreader.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>

namespace {
QString fieldText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 17);
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return QString();
}

void readPoint(const QJsonValue &geometry, ImportRecord *record)
{
    if (geometry.isNull() || geometry.isUndefined())
        return; // a feature without a place on the map: searchable by name only
    const QJsonObject object = geometry.toObject();
    if (object.value(QStringLiteral("type")).toString() != QStringLiteral("Point")) {
        record->error = QStringLiteral("the geometry is not a Point");
        return;
    }
    const QJsonArray coordinates = object.value(QStringLiteral("coordinates")).toArray();
    if (coordinates.size() < 2 || !coordinates.at(0).isDouble() || !coordinates.at(1).isDouble()) {
        record->error = QStringLiteral("the Point has no longitude and latitude");
        return;
    }
    record->fields.insert(QStringLiteral("lon"), fieldText(coordinates.at(0)));
    record->fields.insert(QStringLiteral("lat"), fieldText(coordinates.at(1)));
}
} // namespace

// Offsets of the elements of the top-level "features" array, in order.
QVector<int> GeoJsonReader::featureOffsets(const QByteArray &data)
{
    QVector<int> offsets;
    int depth = 0;
    bool inString = false;
    int featuresDepth = -1; // depth inside the features array, once found
    QByteArray lastString;
    int stringStart = 0;
    bool expectElement = false;
    for (int i = 0; i < data.size(); ++i) {
        const char c = data.at(i);
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"') {
                inString = false;
                lastString = data.mid(stringStart, i - stringStart);
            }
            continue;
        }
        if (expectElement && c != ' ' && c != '\n' && c != '\r' && c != '\t' && c != ']') {
            offsets.append(i);
            expectElement = false;
        }
        switch (c) {
        case '"':
            inString = true;
            stringStart = i + 1;
            break;
        case '{':
            ++depth;
            break;
        case '[':
            ++depth;
            if (featuresDepth < 0 && depth == 2 && lastString == "features") {
                featuresDepth = depth;
                expectElement = true;
            }
            break;
        case '}':
        case ']':
            if (depth == featuresDepth && c == ']')
                featuresDepth = -2; // done: later arrays are not features
            --depth;
            break;
        case ',':
            if (depth == featuresDepth)
                expectElement = true;
            break;
        default:
            break;
        }
    }
    return offsets;
}

bool GeoJsonReader::read(const QByteArray &data, const Sink &sink, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const int line = data.left(parseError.offset).count('\n') + 1;
        *error = QStringLiteral("line %1: not JSON: %2").arg(line).arg(parseError.errorString());
        return false;
    }
    const QJsonObject root = document.object();
    const QString type = root.value(QStringLiteral("type")).toString();
    QJsonArray features;
    QVector<int> offsets;
    if (type == QStringLiteral("FeatureCollection")) {
        features = root.value(QStringLiteral("features")).toArray();
        offsets = featureOffsets(data);
    } else if (type == QStringLiteral("Feature")) {
        features.append(root);
    } else {
        *error = QStringLiteral("not a GeoJSON FeatureCollection or Feature");
        return false;
    }

    int line = 1;
    int counted = 0; // lines are counted once, feature offsets only grow
    for (int i = 0; i < features.size(); ++i) {
        ImportRecord record;
        const int offset = offsets.value(i, counted);
        for (; counted < offset && counted < data.size(); ++counted)
            line += data.at(counted) == '\n';
        record.line = line;
        record.label = QStringLiteral("feature %1").arg(i + 1);
        const QJsonObject feature = features.at(i).toObject();
        if (feature.value(QStringLiteral("type")).toString() != QStringLiteral("Feature")) {
            record.error = QStringLiteral("not a Feature");
        } else {
            const QJsonObject properties = feature.value(QStringLiteral("properties")).toObject();
            for (auto it = properties.constBegin(); it != properties.constEnd(); ++it)
                record.fields.insert(it.key().toLower(), fieldText(it.value()));
            record.fields.remove(QStringLiteral("lat"));
            record.fields.remove(QStringLiteral("lon"));
            readPoint(feature.value(QStringLiteral("geometry")), &record);
        }
        sink(record, offsets.value(i + 1, data.size()));
    }
    return true;
}
