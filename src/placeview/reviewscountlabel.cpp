#include <hx/trellan/places/reviewscountlabel.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

ReviewsCountLabel::ReviewsCountLabel(int count, QObject *parent) : hx::trellan::Label(parent), m_count(count)
{
    setObjectName(QStringLiteral("RatingCount"));
    retranslateUI();
}

ReviewsCountLabel::~ReviewsCountLabel() = default;

void ReviewsCountLabel::retranslateUI()
{
    setText(QStringLiteral("(%1 %2)").arg(m_count).arg(QCoreApplication::translate("Places", "Reviews")));
}

} // namespace places
} // namespace trellan
} // namespace hx
