#include <hx/system/systemprogressdialog.h>
#include <hx/system/systemuibutton.h>
#include <hx/trellan/places/suggestionspinner.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

SuggestionSpinner::SuggestionSpinner(QObject *parent)
    : QObject(parent), PickerRetrans(true), m_dialog(new hx::system::SystemProgressDialog(this))
{
    m_dialog->setObjectName(QStringLiteral("SuggestionSpinner"));
    m_dialog->setAutoUpdateEnabled(true);
    m_dialog->setActivityIndicatorVisible(true);
    m_dialog->setDismissAutomatically(false);
    retranslateUI();
    connect(m_dialog, &hx::system::SystemUiElement::finished, this, &SuggestionSpinner::cancelled);
}

SuggestionSpinner::~SuggestionSpinner() = default;

void SuggestionSpinner::show()
{
    m_dialog->show();
}

bool SuggestionSpinner::isShown() const
{
    return m_dialog->isShown();
}

void SuggestionSpinner::cancel()
{
    m_dialog->cancel();
}

void SuggestionSpinner::retranslateUI()
{
    m_dialog->setTitle(QCoreApplication::translate("Places", "Retrieving details"));
    m_dialog->confirmButton()->setLabel(QString());
    m_dialog->cancelButton()->setLabel(QCoreApplication::translate("Places", "Cancel"));
}

} // namespace places
} // namespace trellan
} // namespace hx
