#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/modelmarker.h>

namespace hx {
namespace trellan {
namespace places {

namespace {
const int modelMarkerMetaType = qRegisterMetaType<ModelMarker>("hx::trellan::places::ModelMarker");
}

ModelMarker::ModelMarker(int index, const QString &type)
{
    append(index);
    append(type);
    append(QVariant::fromValue(RatingInfo()));
}

ModelMarker::ModelMarker(const QString &type) : ModelMarker(-1, type) { }

ModelMarker::ModelMarker(const QVariantList &list) : QVariantList(list) { }

bool ModelMarker::isValid() const
{
    return size() == 3;
}

int ModelMarker::index() const
{
    return isValid() ? at(0).toInt() : -1;
}

QString ModelMarker::type() const
{
    return isValid() ? at(1).toString() : QString::fromLatin1(ItemType::TYPE_NONE);
}

RatingInfo ModelMarker::ratingInfo() const
{
    if (!isValid())
        return RatingInfo();
    const QVariant &rating = at(2);
    if (!rating.canConvert<RatingInfo>())
        return RatingInfo();
    return rating.value<RatingInfo>();
}

bool ModelMarker::isHeader() const
{
    return ItemType::isHeader(type());
}

bool ModelMarker::isFooter() const
{
    return ItemType::isFooter(type());
}

void ModelMarker::updateRatingInfo(const RatingInfo &rating)
{
    if (isValid())
        (*this)[2] = QVariant::fromValue(rating);
}

QDebug operator<<(QDebug debug, const ModelMarker &marker)
{
    QDebugStateSaver saver(debug);
    const RatingInfo rating = marker.ratingInfo();
    debug.nospace() << "ModelMarker(" << marker.index() << ", " << marker.type() << ", " << rating.rating() << ", "
                    << rating.ratingCount() << ")";
    return debug;
}

} // namespace places
} // namespace trellan
} // namespace hx
