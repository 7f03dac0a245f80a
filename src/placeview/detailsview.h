#ifndef HX_TRELLAN_PLACES_DETAILSVIEW_H
#define HX_TRELLAN_PLACES_DETAILSVIEW_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/places/placeviewmode.h>

#include <hx/trellan/container.h>
#include <hx/trellan/image.h>

#include <QtCore/QDateTime>
#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QUrl>
#include <functional>
#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>

namespace hx {
namespace trellan {
class TapEvent;
namespace places {

class WebReview;

// The details of a place card: today's hours with the open or closed badge, phone numbers,
// e-mail, website, description or notes, a reservation link that may arrive later, and a block
// of additional information that is shown in English only.
class HXPLACES_EXPORT DetailsView : public hx::trellan::Container, public PickerRetrans
{
    Q_OBJECT
public:
    DetailsView(const hx::platform::places::Place &place, PlaceViewMode::Type mode, QObject *parent = nullptr);
    ~DetailsView() override;

    static bool hasAdditionalInformation(const hx::platform::places::PointOfInterestAuxiliaryData &poi);

    // Whether an hours row is shown for poi now; fills today's ranges (rewritten across
    // midnight), the place's local now and whether it is open.
    static bool openingHours(const hx::platform::places::PointOfInterestAuxiliaryData &poi,
                             QList<hx::platform::places::TimeRange> &todaysRanges, QDateTime &now, bool &open);

    // Where "now" comes from (UTC); tests fix it. An empty source restores the system clock.
    static void setTimeSource(const std::function<QDateTime()> &source);

    bool isTwoColumns() const { return m_twoColumns; }
    QUrl reservationUrl() const { return m_reservationUrl; }
    void retranslateUI() override;

public slots:
    void onSearchResult(const QList<hx::platform::places::AuxiliaryData> &data);
    void onTap(hx::trellan::TapEvent *event);

signals:
    void makeZANTCall(const QString &number);

private:
    void buildTwoColumns();
    void buildPointOfInterestDetails(const hx::platform::places::Place &place);
    void buildFavoriteDetails(const hx::platform::places::Place &place);
    void buildContactDetails(const hx::platform::places::Place &place);
    QList<hx::trellan::Control *> contactRows(const hx::platform::places::Place &place, bool formatNumbers,
                                              const QString &phone, const QString &email, const QUrl &url,
                                              const QString &description, bool describedAsPlainText);
    hx::trellan::Control *todaysHoursRow(const hx::platform::places::PointOfInterestAuxiliaryData &poi);
    QList<hx::trellan::Control *>
    additionalInformationRows(const hx::platform::places::PointOfInterestAuxiliaryData &poi);
    hx::trellan::Control *createPhoneItem(const QString &number, int caption, bool addPlus);
    hx::trellan::Control *valueRow(int caption, const hx::trellan::Image &icon, hx::trellan::Control *value,
                                   bool focusable = true, bool customHighlight = true);
    void addItems(const QList<hx::trellan::Control *> &rows, int header, bool hideable, bool firstToTop);
    hx::trellan::Control *divider();

    QUrl m_reservationUrl;
    QPointer<WebReview> m_bookingPage; // the last booking page opened
    QList<hx::trellan::Control *> m_englishOnly;
    QString m_placeName;
    bool m_assistantMode;
    bool m_twoColumns = false;
    PlaceViewMode::Type m_mode;
    hx::trellan::Container *m_top;
    hx::trellan::Container *m_reservation;
    hx::trellan::Container *m_columns = nullptr;
    hx::trellan::Container *m_leftColumn = nullptr;
    hx::trellan::Container *m_rightColumn = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
