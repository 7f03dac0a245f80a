#ifndef HXPLACES_EDITSCREEN_H
#define HXPLACES_EDITSCREEN_H

#include <hx/platform/places/place.h>
#include <hx/trellan/page.h>

namespace hx {
namespace trellan {
class ActionItem;
namespace places {
class DataEdit;
}
} // namespace trellan
} // namespace hx

// The place edit form on a page with Save and Cancel, for a stored place or a new favourite.
// The typed address is geocoded from the gazetteer, as the map above the form does on the phone.
class EditScreen : public hx::trellan::Page
{
    Q_OBJECT
public:
    explicit EditScreen(QObject *parent = nullptr);
    ~EditScreen() override;

    // Opens the form on the stored place (id > 0) or on a new one; false with a message when
    // there is no such place.
    bool open(qint64 placeId, QString *message);

private:
    void geocode(const QString &text);

    hx::platform::places::Place m_place;
    hx::trellan::ActionItem *m_save;
    hx::trellan::places::DataEdit *m_form = nullptr;
    int m_geocodings = 0;
};

#endif
