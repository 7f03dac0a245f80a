#include <hx/trellan/places/uritext.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/places/browserutils.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/valuetextsetup.h>

#include <QtCore/QUrl>

namespace hx {
namespace trellan {
namespace places {

UriText::UriText(const QString &text, bool editable, QObject *parent) : TextArea(parent)
{
    ValueTextSetup::apply(this, editable, PlaceViewUtils::uriTextStyle(), text);
    setContentFlags(TextContentFlag::ActiveText);
}

void UriText::onDetailListItemTapped()
{
    // Kept by the value, so the browser's reply can still be read after this returns.
    auto *browser = new BrowserUtils(this);
    if (browser->openUri(QUrl(text())))
        return;
    Log::warning() << "hx::trellan::places::UriText::onDetailListItemTapped() error opening browser with the URL "
                      "provided";
    browser->deleteLater();
}

} // namespace places
} // namespace trellan
} // namespace hx
