#ifndef HX_TRELLAN_PLACES_PLACEVIEWFULLVIEW_H
#define HX_TRELLAN_PLACES_PLACEVIEWFULLVIEW_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/placeviewmode.h>

#include <hx/platform/places/place.h>

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QScopedPointer>
#include <QtCore/QSharedPointer>
#include <QtCore/QState>

class QStateMachine;

namespace hx {
namespace trellan {
class Container;
class QmlDocument;
namespace places {

class ViewPlaceContent;

// The card body the voice assistant shows for a place. The application supplies the layout in
// "qrc:/assets/PlaceViewFullView.qml"; the place's content goes into its container named
// "PlaceViewFullViewMain", and viewReady() tells when it is there.
class HXPLACES_EXPORT PlaceViewFullView : public QObject
{
    Q_OBJECT

public:
    // Which assistant card to show; any number other than 1 and 2 shows the default card.
    enum ViewMode : int { Default = 0, MyLocation = 1, Details = 2 };
    Q_ENUM(ViewMode)

    class StateStart : public QState
    {
    public:
        explicit StateStart(PlaceViewFullView *view, QState *parent = nullptr);

    protected:
        void onEntry(QEvent *event) override;

    private:
        PlaceViewFullView *m_view;
    };

    PlaceViewFullView(const QSharedPointer<hx::platform::places::Place> &place, ViewMode mode,
                      QObject *parent = nullptr);
    ~PlaceViewFullView() override;

    // The document's root, or null when the document could not be used. Owned by the view.
    hx::trellan::Container *getVisualNodeRoot() const;
    // The content mode of the card: 8 for MyLocation, 9 for Details, 7 otherwise.
    PlaceViewMode::Type getPlaceViewMode() const;
    // The place's content once the view is ready; null before and when the document has no room.
    ViewPlaceContent *content() const;

signals:
    void imageLoaded();
    void viewReady();
    // Input: the assistant changed the place's favourite state.
    void setFavorite(bool favorite);
    void makeZANTCall(const QString &number);

private:
    void showContent();

    QSharedPointer<hx::platform::places::Place> m_place;
    ViewMode m_mode;
    QScopedPointer<hx::trellan::QmlDocument> m_document;
    hx::trellan::Container *m_root;
    QStateMachine *m_machine;
    QPointer<ViewPlaceContent> m_content;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
