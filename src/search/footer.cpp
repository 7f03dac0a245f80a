#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/footer.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/taphandler.h>
#include <hx/trellan/touchevent.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

using hx::trellan::Container;
using hx::trellan::ImageView;
using hx::trellan::Label;

Footer::Footer(const QString &type, QObject *parent) : Container(parent), PickerRetrans(true), m_type(type)
{
    setObjectName(QStringLiteral("Footer"));
    setHorizontalAlignment(HorizontalAlignment::Fill);
    auto *sub = new Container;
    auto *layout = new hx::trellan::StackLayout;
    layout->setOrientation(LayoutOrientation::LeftToRight);
    sub->setLayout(layout);
    sub->setHorizontalAlignment(HorizontalAlignment::Center);
    if (type == QLatin1String(ItemType::FOOTER_COLLAPSE)) {
        sub->setObjectName(QStringLiteral("FooterSubContainer-Collapse"));
        m_image = new ImageView;
        m_image->setImage(ImageSet::COLLAPSE_CONTENT());
    } else {
        sub->setObjectName(QStringLiteral("FooterSubContainer-Expand"));
        m_label = new Label;
        m_label->setObjectName(QStringLiteral("FooterLabel"));
        sub->add(m_label);
        m_image = new ImageView;
        m_image->setImage(ImageSet::EXPAND_CONTENT());
    }
    m_image->setObjectName(QStringLiteral("FooterImage"));
    sub->add(m_image);
    add(sub);
    auto *tap = new hx::trellan::TapHandler;
    addGestureHandler(tap);
    connect(tap, &hx::trellan::TapHandler::tapped, this, &Footer::onFooterClicked);
    connect(this, &Control::touch, this, &Footer::touchOccured);
    onFocusHighlight(false);
    retranslateUI();
}

Footer::~Footer() = default;

void Footer::onFooterClicked(hx::trellan::TapEvent *)
{
    emit footerClicked(m_indexPath);
}

void Footer::onFocusHighlight(bool highlighted)
{
    if (!m_label)
        return;
    hx::trellan::TextStyle style = m_label->textStyle();
    style.setColor(highlighted ? PlaceUtils::OSKARN_FOCUS_HIGHLIGHT_COLOR : hx::trellan::Color::White);
    m_label->setTextStyle(style);
}

void Footer::touchOccured(hx::trellan::TouchEvent *event)
{
    // The finger on the footer lights it until it lifts.
    onFocusHighlight(event->isDown());
}

void Footer::retranslateUI()
{
    if (m_label)
        m_label->setText(QCoreApplication::translate("Places", "More"));
}

} // namespace places
} // namespace trellan
} // namespace hx
