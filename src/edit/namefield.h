#ifndef HX_TRELLAN_PLACES_NAMEFIELD_H
#define HX_TRELLAN_PLACES_NAMEFIELD_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <hx/platform/places/place.h>
#include <hx/trellan/container.h>

namespace hx {
namespace trellan {
class DropDown;
class Option;
class TextField;
namespace places {

// The name row of the edit form: the name text field and a drop-down that makes the place an
// ordinary favourite, the user's Home or the user's Work. The tags follow the choice when the
// form saves (update()).
class HXPLACES_EXPORT NameField : public hx::trellan::Container, public PickerRetrans
{
    Q_OBJECT

public:
    enum Selection { Favorite = 0, Home = 1, Work = 2 };

    // Carries a drop-down choice across a rebuild of the form, as "NAMEFIELD:<index>".
    static const QString MARKER_TAG_PATTERN;

    explicit NameField(hx::platform::places::Place &place, QObject *parent = nullptr);
    ~NameField() override;

    hx::trellan::TextField *name() const;
    int selectedIndex() const;
    // Applies the choice to the place's tags before a save; false when the user declined to
    // replace the stored Home or Work, and the save must stop.
    bool update();
    // The stored Home or Work that the last update() agreed to replace, -1 for none. The form
    // removes it in the same store write that saves the place.
    qint64 replacedId() const { return m_replacedId; }

    void retranslateUI() override;

signals:
    void selectedIndexChanged(int index);
    void updateMyHome();
    void updateMyWork();
    void focusedChanged(bool focused);

private slots:
    void onSelectedIndexChanged(int index);
    void onExpandedChanged(bool expanded);

private:
    int initialSelection() const;
    bool updateHomeOrWork(int selection);
    bool showReplaceDialog(int selection, const QString &currentAddress);
    void changeToHomeOrWork(int selection, qint64 oldId);
    static QString kindText(int selection);

    hx::platform::places::Place &m_place;
    hx::trellan::DropDown *m_dropDown;
    hx::trellan::TextField *m_name;
    QList<hx::trellan::Option *> m_options;
    qint64 m_replacedId = -1;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
