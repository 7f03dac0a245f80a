#ifndef HX_TRELLAN_PLACES_DATAEDIT_H
#define HX_TRELLAN_PLACES_DATAEDIT_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/system/systemuiresult.h>
#include <hx/trellan/container.h>

namespace hx {
namespace trellan {
class AbstractTextControl;
class Label;
class TextArea;
class TextField;
class Validator;
namespace places {

class DuplicatePlaceDialog;
class NameField;

// The place edit form: name (with the Home/Work choice), address, phone and the optional
// website, e-mail and description. It checks the input, asks before replacing an equivalent
// stored place, and writes the place through PlaceManagerUI. The address is geocoded by whoever
// listens to addressChanged() (the map dock), which answers with onGeocodingResult().
class HXPLACES_EXPORT DataEdit : public hx::trellan::Container, public PickerRetrans
{
    Q_OBJECT

public:
    // The place belongs to the caller and must outlive the form. A non-empty text is the address
    // to start with; modified says whether the form starts as changed (Save may be enabled).
    DataEdit(hx::platform::places::Place &place, const QString &text, bool modified, QObject *parent = nullptr);
    ~DataEdit() override;

    // Saves at once, or geocodes a changed address first and then saves.
    void geocodeOnSave();
    // A position picked by the user (current location, contact): shown and used for the save.
    void setLocation(const hx::platform::places::Location &location);
    // Copies the form's fields into place.
    void contentToPlace(hx::platform::places::Place &place) const;
    NameField *getNameField() const;
    bool isFieldsListEmpty() const;

    void retranslateUI() override;

    // Same name and same first location (both without valid coordinates counts as the same).
    static bool compareNameLocation(const hx::platform::places::Place &a, const hx::platform::places::Place &b);

signals:
    void changed();
    void loading();
    void addressChanged(QString text);
    void addressChanging();
    void nameChanged(QString text);
    void saved();
    void placeUpdated();
    void enableSave(bool enable);
    void locationCoordinates(hx::platform::places::Location location);
    void addFieldAction();
    void updateDataModel(int type);
    void updateAddFieldActionState(bool enable);
    void showAllFields();
    void selectedIndexChanged(int index);
    void saveContinue();

public slots:
    void onSave();
    void fieldChanged();
    void onSaveContinue();
    void onNameTextChanged(QString text);
    void onAddressTextChanging(QString text);
    void onAddressTextChanged(QString text);
    void onPhoneTextChanged(QString text);
    void onUrlTextChanged(QString text);
    void onEmailTextChanged(QString text);
    void onDescriptionTextChanged(QString text);
    void checkEnableSave();
    void onGeocodingResult(hx::platform::places::Location location, bool success);
    void updateMyHome();
    void updateMyWork();
    void validateName();
    void validateEmail();
    void onAddField(int fieldId);
    void onAddFieldAction();
    void onShowAllFields();
    void onFocusedChanged(bool focused);
    void onDuplicateDialogFinished(hx::system::SystemUiResult::Type result);

private:
    void buildRows(const QString &text);
    void addCaption(hx::trellan::Container *column, const char *objectName, const char *text);
    hx::trellan::TextField *addTextField(hx::trellan::Container *column, const char *fieldName, int inputMode,
                                         const QString &value);
    void createWebSiteField(const QString &value, bool focus);
    void createEmailField(const QString &value, bool focus);
    void createDescriptionField(const QString &value, bool focus);
    void populateFieldTypesList();
    void readInitialValues(const QString &text);
    void updateOrAddPlace(QList<qint64> replaced);
    void updateStoredHomeOrWork(bool home);
    void showAddressText(const QString &text);
    bool isContactPlace() const;

    NameField *m_nameField;
    hx::trellan::TextField *m_address;
    hx::trellan::TextField *m_phone;
    hx::trellan::TextField *m_webSite;
    hx::trellan::TextField *m_email;
    hx::trellan::TextArea *m_description;
    hx::trellan::Container *m_mainColumn;
    hx::trellan::Container *m_optionalColumn;
    QList<QPair<hx::trellan::Label *, const char *>> m_captions; // caption and its source text
    hx::trellan::Label *m_required;
    hx::trellan::Validator *m_nameValidator;
    hx::trellan::Validator *m_addressValidator;
    hx::trellan::Validator *m_emailValidator;
    QString m_initialName;
    QString m_initialAddress;
    QString m_initialPhone;
    QString m_initialWebSite;
    QString m_initialEmail;
    QString m_initialDescription;
    QString m_lastGeocoded;
    hx::platform::places::Location m_location;
    bool m_modified;
    bool m_savePending;
    // Between loading() and the dock's answer Save stays disabled, whatever else is typed.
    bool m_geocoding = false;
    qint64 m_duplicateId;
    DuplicatePlaceDialog *m_duplicateDialog;
    hx::platform::places::Place &m_place;
    QList<int> m_fieldTypes;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
