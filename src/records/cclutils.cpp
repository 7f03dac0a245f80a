#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/system/contextcollector.h>
#include <hx/system/contextevent.h>
#include <hx/trellan/places/cclutils.h>

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QPair>

#include <unistd.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::AuxiliaryData;
using hx::platform::places::Place;
using hx::platform::places::Tags;

namespace {

using Fields = QList<QPair<QString, QString>>;

// Every event goes through a collector of its own, as the collector may become unusable at any
// time (the service restarts); a collector that cannot be made drops the event silently.
void send(const QString &eventName, const Fields &fields)
{
    hx::system::ContextCollector *collector
        = new hx::system::ContextCollector(QStringLiteral("sys.places"), QStringLiteral("1.0.001"));
    if (collector->isValid()) {
        hx::system::ContextEvent event = collector->customEvent(eventName);
        for (const QPair<QString, QString> &field : fields)
            event.insert(field.first, field.second);
        collector->send(event);
        event.clear();
    }
    delete collector;
}

void appendAuxDataTypes(Fields &fields, const QSharedPointer<Place> &place)
{
    const QStringList types = CCLUtils::getAuxDataTypes(place);
    for (int i = 0; i < types.size(); ++i)
        fields.append(qMakePair(CCLUtils::getPlaceAuxiliaryDataMessageName(types.size(), i), types.at(i)));
}

QString duplicateName(const QString &base, int count, int index)
{
    if (count < 2)
        return base;
    return QStringLiteral("DUP_") + QString::number(index) + QLatin1Char('_') + base;
}

} // namespace

QString CCLUtils::getPlaceTagMessageName(int count, int index)
{
    return duplicateName(QStringLiteral("placeTag"), count, index);
}

QString CCLUtils::getPlaceAuxiliaryDataMessageName(int count, int index)
{
    return duplicateName(QStringLiteral("auxiliaryData"), count, index);
}

QStringList CCLUtils::getAuxDataTypes(const QSharedPointer<Place> &place)
{
    QStringList types;
    if (place.isNull())
        return types;
    const QList<AuxiliaryData> data = place->auxiliaryData();
    for (const AuxiliaryData &item : data) {
        if (!types.contains(item.type()))
            types.append(item.type());
    }
    return types;
}

void CCLUtils::logPlacePickerInvocation()
{
    send(QStringLiteral("PlacePickerInvocation"), { qMakePair(QStringLiteral("applicationName"), applicationName()) });
}

void CCLUtils::logPlacePickerCancellation()
{
    send(QStringLiteral("PlacePickerCancellation"), Fields());
}

void CCLUtils::logPlacePickerSelection(const QSharedPointer<Place> &place)
{
    if (place.isNull())
        return;
    Fields fields;
    fields.append(qMakePair(QStringLiteral("placeName"), place->name()));

    const QList<AuxiliaryData> data = place->auxiliaryData();
    if (!data.isEmpty()) {
        const AuxiliaryData &first = data.first();
        QString altName;
        if (first.type() == QLatin1String(AuxiliaryData::TypeContact))
            altName = hx::platform::places::ContactAuxiliaryData(first).fullName();
        else if (first.type() == QLatin1String(AuxiliaryData::TypePointOfInterest))
            altName = hx::platform::places::PointOfInterestAuxiliaryData(first).name();
        fields.append(qMakePair(QStringLiteral("placeAltName"), altName));
    }
    appendAuxDataTypes(fields, place);

    // The count is the place's whole tag count, so a place with a favourite and a category tag
    // still gets numbered names although only one of them is written.
    const int tagCount = place->tagCount();
    int written = 0;
    for (const char *tag : { Tags::Favorite, Tags::Work, Tags::Home }) {
        const QString text = QLatin1String(tag);
        if (!place->hasTag(text))
            continue;
        fields.append(qMakePair(getPlaceTagMessageName(tagCount, written), text));
        ++written;
    }
    fields.append(qMakePair(QStringLiteral("placeCategory"), QString::number(int(place->source()))));
    send(QStringLiteral("PlacePickerSelection"), fields);
}

void CCLUtils::logPlacePreviewerInvocation(const QSharedPointer<Place> &place)
{
    if (place.isNull())
        return;
    Fields fields;
    fields.append(qMakePair(QStringLiteral("placeName"), place->name()));
    appendAuxDataTypes(fields, place);
    send(QStringLiteral("PlacePreviewerInvocation"), fields);
}

void CCLUtils::logPlaceViewAction(const QString &actionName)
{
    send(QStringLiteral("PlaceViewAction"), { qMakePair(QStringLiteral("actionName"), actionName) });
}

void CCLUtils::logPlaceManagerAction(const QString &actionName)
{
    send(QStringLiteral("PlaceManagerAction"), { qMakePair(QStringLiteral("actionName"), actionName) });
}

void CCLUtils::logMyPlacesCrosscutAction(const QString &actionName)
{
    send(QStringLiteral("MyPlacesCrosscutAction"), { qMakePair(QStringLiteral("actionName"), actionName) });
}

void CCLUtils::logPlacesOpenTableClick(const QString &restaurantName)
{
    send(QStringLiteral("PlacesOpenTableClick"),
         { qMakePair(QStringLiteral("applicationName"), applicationName()),
           qMakePair(QStringLiteral("restaurantName"), restaurantName) });
}

QString CCLUtils::applicationName()
{
    const QByteArray pid = QByteArray::number(qint64(::getpid()));
    const QByteArray link = QByteArrayLiteral("/apps/gid2app/") + pid;

    // The system links each running process id to the folder of its application; the last part
    // of that folder is the application's name.
    char target[1024];
    const ssize_t length = ::readlink(link.constData(), target, sizeof(target));
    if (length > 0) {
        const QByteArray text(target, int(length));
        const int slash = text.lastIndexOf('/');
        if (slash >= 0)
            return QString::fromLocal8Bit(text.mid(slash + 1));
    }
    return QStringLiteral("gid_") + QString::fromLatin1(pid);
}

} // namespace places
} // namespace trellan
} // namespace hx
