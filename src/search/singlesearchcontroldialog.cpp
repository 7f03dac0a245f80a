#include <hx/system/systemuibutton.h>
#include <hx/trellan/places/singlesearchcontroldialog.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

SingleSearchControlDialog::SingleSearchControlDialog(Type type, QObject *parent)
    : SystemDialog(parent), PickerRetrans(true), m_type(type)
{
    setObjectName(QStringLiteral("SingleSearchControlDialog"));
    setAutoUpdateEnabled(true);
    setType(type);
}

SingleSearchControlDialog::~SingleSearchControlDialog() = default;

void SingleSearchControlDialog::setType(Type type)
{
    m_type = type;
    // The progress dialog waits for the geocode, never for the user.
    setDismissAutomatically(type == Failure);
    setActivityIndicatorVisible(type == Progress);
    retranslateUI();
}

void SingleSearchControlDialog::retranslateUI()
{
    if (m_type == Progress) {
        setTitle(QCoreApplication::translate("Places", "Retrieving details"));
        resetBody();
        confirmButton()->resetLabel();
        cancelButton()->resetLabel();
        return;
    }
    setTitle(QCoreApplication::translate("Places", "Can't find location"));
    setBody(QCoreApplication::translate("Places", "Address not found"));
    confirmButton()->setLabel(QCoreApplication::translate("Places", "OK"));
    cancelButton()->resetLabel();
}

} // namespace places
} // namespace trellan
} // namespace hx
