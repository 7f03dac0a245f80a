#ifndef HX_TRELLAN_PLACES_CARDSUTILS_H
#define HX_TRELLAN_PLACES_CARDSUTILS_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/placecardreturnmessage.h>

#include <QtCore/QObject>
#include <QtCore/QScopedPointer>
#include <QtCore/QSharedPointer>
#include <QtCore/QString>
#include <hx/platform/places/place.h>
#include <hx/system/carddonemessage.h>
#include <hx/system/invokerequest.h>

namespace hx {
namespace trellan {
namespace places {

class CardsUtilsPrivate;
class SelectedPlace;

// The invoking side of the place picker and place previewer cards: sends their requests and
// turns what the cards hand back into a SelectedPlace or a PlaceCardReturnMessage.
class HXPLACES_EXPORT CardsUtils : public QObject
{
    Q_OBJECT
public:
    static const QString PLACEPICKER_ACTION_NAME;
    static const QString PLACEPICKER_TARGET_NAME;
    static const QString PLACEPREVIEWER_ACTION_VIEW;
    static const QString PLACEPREVIEWER_ACTION_VIEWSELECT;
    static const QString PLACEPREVIEWER_TARGET_NAME;
    static const QString PREVIEWER_PLACE_MIME_TYPE;
    static const QString METADATA_KEY_PLACE_ID;

    explicit CardsUtils(QObject *parent = nullptr);
    ~CardsUtils() override;

    // Opens the picker card; its pick arrives as selectedPlace().
    void placePicker();
    // Opens the previewer card on the place (with its select action when select is set); the
    // card's verdict arrives as previewDone(). A null place sends nothing.
    void placeViewPreviewer(const QSharedPointer<hx::platform::places::Place> &place, bool select);
    void invokePreviewer(const hx::system::InvokeRequest &request);

signals:
    // The receiver owns the record; null when the card returned nothing usable.
    void selectedPlace(hx::trellan::places::SelectedPlace *place);
    // Just before each selectedPlace(): what the card answered, or the invocation service's
    // reason when no card could answer.
    void pickerAnswered(const hx::system::CardDoneMessage &message);
    void previewDone(hx::trellan::places::PlaceCardReturnMessage message);

private slots:
    void placeViewInvokeFinished();
    void placePickerInvokeFinished();
    void pickerChildCardDone(const hx::system::CardDoneMessage &message);
    void previewerChildCardDone(const hx::system::CardDoneMessage &message);

private:
    Q_DISABLE_COPY(CardsUtils)
    void answerPicker(hx::trellan::places::SelectedPlace *place, const hx::system::CardDoneMessage &message);
    QScopedPointer<CardsUtilsPrivate> d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
