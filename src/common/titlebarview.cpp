#include <hx/trellan/places/titlebarview.h>

#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/detailscategory.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/ratingproviderutils.h>
#include <hx/trellan/places/translatablevaluelist.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/textstyle.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>

using hx::platform::places::AuxiliaryData;
using hx::platform::places::Category;
using hx::platform::places::Place;
using hx::platform::places::PointOfInterestAuxiliaryData;
using hx::platform::places::Tags;

namespace hx {
namespace trellan {
namespace places {

TitleBarView::TitleBarView(const Place &place, int viewMode, QObject *parent)
    : Container(parent), m_viewMode(viewMode), m_name(place.name())
{
    setObjectName(QStringLiteral("TitleBarView"));
    setLayout(new DockLayout(this));
    setHorizontalAlignment(HorizontalAlignment::Fill);
    setLeftPadding(UIConfig::du(PlaceUtils::TITLEBAR_LEFT_PADDING));
    setRightPadding(UIConfig::du(PlaceUtils::TITLEBAR_LEFT_PADDING));

    auto *texts = new Container(this);
    texts->setLayout(new StackLayout(texts));
    texts->setHorizontalAlignment(HorizontalAlignment::Fill);
    texts->setVerticalAlignment(VerticalAlignment::Center);
    m_title = new Label(texts);
    m_title->setObjectName(QStringLiteral("TitleBarViewTitle"));
    m_title->setVerticalAlignment(2);
    m_title->setHorizontalAlignment(HorizontalAlignment::Fill);
    m_title->setTextStyle(SystemDefaults::TextStyles::titleText());
    m_title->setMaxLineCount(1);
    texts->add(m_title);

    const PointOfInterestAuxiliaryData poi = RatingProviderUtils::getPointOfInterestAuxiliaryDataWithCategory(place);
    const QStringList codes = DetailsCategory::validateCategories(poi);
    if (codes.first() != DetailsCategory::none()) {
        QList<QStringList> children;
        QStringList parents;
        for (const Category &category : poi.categories()) {
            children << category.childCodes();
            parents << category.code();
        }
        m_categories = new TranslatableValueList(children, parents, texts);
        texts->add(m_categories);
    } else {
        m_title->setMultiline(true);
        m_title->setMaxLineCount(2);
    }
    add(texts);

    const Image picture = getWorkHomePicture(place);
    if (picture != ImageSet::NONE()) {
        auto *view = new ImageView(this);
        view->setObjectName(QStringLiteral("TitleBarViewPicture"));
        view->setImage(picture);
        const float size = UIConfig::du(PlaceUtils::TITLEBAR_ICON_SIZE);
        view->setPreferredSize(size, size);
        view->setHorizontalAlignment(HorizontalAlignment::Right);
        view->setVerticalAlignment(VerticalAlignment::Center);
        add(view);
    }
    retranslateUI();
}

Image TitleBarView::getWorkHomePicture(const Place &place)
{
    if (place.hasAuxiliaryData(QLatin1String(AuxiliaryData::TypeContact))) {
        if (place.hasTag(QLatin1String(Tags::Work)))
            return ImageSet::CONTACT_WORK();
        if (place.hasTag(QLatin1String(Tags::Home)))
            return ImageSet::CONTACT_HOME();
    } else {
        if (place.hasTag(QLatin1String(Tags::MyHome)))
            return ImageSet::MY_HOME();
        if (place.hasTag(QLatin1String(Tags::MyWork)))
            return ImageSet::MY_WORK();
    }
    return ImageSet::NONE();
}

void TitleBarView::retranslateUI()
{
    if (m_viewMode == PlaceViewMode::ZantB)
        m_title->setText(QCoreApplication::translate("Places", "Your location"));
    else if (m_viewMode == PlaceViewMode::ZantC || m_name.isEmpty())
        m_title->setText(QCoreApplication::translate("Places", "Place Details"));
    else
        m_title->setText(m_name);
}

} // namespace places
} // namespace trellan
} // namespace hx
