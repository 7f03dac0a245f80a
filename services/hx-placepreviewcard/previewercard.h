#ifndef HX_SERVICES_PREVIEWERCARD_H
#define HX_SERVICES_PREVIEWERCARD_H

#include <hx/platform/places/place.h>
#include <hx/system/carddonemessage.h>
#include <hx/system/invokerequest.h>
#include <hx/trellan/places/placecardreturnmessage.h>

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QSharedPointer>

#include <functional>

namespace hx {
namespace trellan {
class NavigationPane;
class Page;
} // namespace trellan
namespace services {

// The previewer card's page and answer. The invocation chooses the page: a place URL opens the
// share preview, a place id the universal-search preview, a serialised place the preview (with
// Select for "hx.action.VIEWSELECT"), a text the add-favourite composer. The card answers once,
// with "id:STATUS" or with no data when the user leaves without anything to report.
class PreviewerCard : public QObject
{
    Q_OBJECT
public:
    PreviewerCard(const hx::system::InvokeRequest &request, hx::trellan::NavigationPane *pane);
    ~PreviewerCard() override;

    // Pushes the page; false when the invocation names nothing to show.
    bool open();

signals:
    void answered(const hx::system::CardDoneMessage &message);

private:
    hx::trellan::Page *createPage();
    hx::trellan::Page *createPreviewOfSerialisedPlace();
    hx::trellan::Page *createPreviewOfPlaceId();
    hx::trellan::Page *createComposer();
    void addCloseButton(hx::trellan::Page *page);
    QSharedPointer<hx::platform::places::Place> shownPlace() const;
    bool modifiedSinceShown() const;
    void onSelected();
    void onClosed();
    void answer(qint64 id, hx::trellan::places::PlaceCardReturnMessage::ReturnedPlaceStatus status);
    void answerNothing();

    hx::system::InvokeRequest m_request;
    hx::trellan::NavigationPane *m_pane;
    QPointer<hx::trellan::Page> m_page;
    std::function<QSharedPointer<hx::platform::places::Place>()> m_placeOfPage;
    // The stored record of the place as the page first showed it; null when it was not stored.
    QSharedPointer<hx::platform::places::Place> m_storedWhenShown;
    bool m_answered = false;
};

} // namespace services
} // namespace hx

#endif
