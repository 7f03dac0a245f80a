#include <hx/trellan/places/ratingprovideractivityindicatorlabel.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

RatingProviderActivityIndicatorLabel::RatingProviderActivityIndicatorLabel(QObject *parent) : hx::trellan::Label(parent)
{
    setObjectName(QStringLiteral("RatingProviderActivityIndicatorLabel"));
    retranslateUI();
}

RatingProviderActivityIndicatorLabel::~RatingProviderActivityIndicatorLabel() = default;

void RatingProviderActivityIndicatorLabel::retranslateUI()
{
    setText(QCoreApplication::translate("Places", "Searching for Reviews on"));
}

} // namespace places
} // namespace trellan
} // namespace hx
