#ifndef HXPLACES_EDITSCREEN_H
#define HXPLACES_EDITSCREEN_H

#include <hx/trellan/page.h>

namespace hx {
namespace trellan {
class ActionItem;
namespace places {
class EditPlaceContent;
}
} // namespace trellan
} // namespace hx

// The place editor's body (map and edit form) on a page with Save, for a stored place or a new
// favourite, as the place card shows it while editing.
class EditScreen : public hx::trellan::Page
{
    Q_OBJECT
public:
    explicit EditScreen(QObject *parent = nullptr);
    ~EditScreen() override;

    // Opens the editor on the stored place (id > 0) or on a new one; false with a message when
    // there is no such place.
    bool open(qint64 placeId, QString *message);

private:
    void retranslate();

    hx::trellan::ActionItem *m_save;
    qint64 m_placeId = -1;
    qint64 m_savedAs = -1;
    hx::trellan::places::EditPlaceContent *m_content = nullptr;
};

#endif
