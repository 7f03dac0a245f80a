#include "dialogsscreen.h"

#include <hx/trellan/button.h>
#include <hx/trellan/container.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/customdialog.h>
#include <hx/trellan/places/customradiogroup.h>
#include <hx/trellan/places/duplicateplacedialog.h>
#include <hx/trellan/places/enabledataservicesdialog.h>
#include <hx/trellan/places/enablelocationdialog.h>
#include <hx/trellan/places/favoritetoast.h>
#include <hx/trellan/places/placenotfounddialog.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/textstyle.h>
#include <hx/trellan/titlebar.h>
#include <hx/trellan/uiconfig.h>

using namespace hx::trellan;
using namespace hx::trellan::places;
using hx::system::SystemUiResult;

DialogsScreen::DialogsScreen(QObject *parent) : Page(parent), m_answer(new Label)
{
    setObjectName(QStringLiteral("DialogsScreen"));
    auto *bar = new TitleBar;
    bar->setTitle(QStringLiteral("Dialogs"));
    setTitleBar(bar);
    auto *content = new Container;
    content->setLayout(new StackLayout);
    const float margin = UIConfig::du(3);
    content->setLeftPadding(margin);
    content->setRightPadding(margin);
    content->setTopPadding(margin);
    setContent(content);
    auto *intro = new Label(QStringLiteral("The dialogs and the toast every screen of places shares."));
    intro->setMultiline(true);
    intro->setTextStyle(SystemDefaults::TextStyles::subtitleText());
    intro->setBottomMargin(margin);
    content->add(intro);
    addButton(QStringLiteral("DuplicatePlace"), QStringLiteral("Duplicate Place"), &DialogsScreen::showDuplicatePlace);
    addButton(QStringLiteral("DataServices"), QStringLiteral("Data Services"), &DialogsScreen::showDataServices);
    addButton(QStringLiteral("LocationServices"), QStringLiteral("Location Services Off"),
              &DialogsScreen::showLocation);
    addButton(QStringLiteral("PlaceNotFound"), QStringLiteral("Place not found"), &DialogsScreen::showPlaceNotFound);
    addButton(QStringLiteral("FavoriteToast"), QStringLiteral("Added to Favorites"), &DialogsScreen::showFavoriteToast);
    addButton(QStringLiteral("CustomDialog"), QStringLiteral("A choice in a custom dialog"),
              &DialogsScreen::showCustomDialog);
    m_answer->setObjectName(QStringLiteral("Answer"));
    m_answer->setMultiline(true);
    m_answer->setTopMargin(margin);
    content->add(m_answer);
    answer(QStringLiteral("none yet"));
}

void DialogsScreen::addButton(const QString &name, const QString &text, void (DialogsScreen::*slot)())
{
    auto *button = new Button(text);
    button->setObjectName(name);
    button->setHorizontalAlignment(HorizontalAlignment::Fill);
    button->setBottomMargin(UIConfig::du(1));
    connect(button, &Button::clicked, this, slot);
    qobject_cast<Container *>(content())->add(button);
}

void DialogsScreen::answer(const QString &text)
{
    m_answer->setText(QStringLiteral("Last answer: ") + text);
}

void DialogsScreen::showDuplicatePlace()
{
    auto *dialog = new DuplicatePlaceDialog(this);
    connect(dialog, &DuplicatePlaceDialog::finished, this, [this, dialog](SystemUiResult::Type result) {
        answer(result == SystemUiResult::ConfirmButtonSelection ? QStringLiteral("replace the place")
                                                                : QStringLiteral("keep the place"));
        dialog->deleteLater();
    });
    dialog->show();
}

void DialogsScreen::showDataServices()
{
    auto *dialog = new EnableDataServicesDialog(this);
    connect(dialog, &EnableDataServicesDialog::done, this, [this, dialog](bool fromSettings) {
        answer(fromSettings ? QStringLiteral("back from the settings") : QStringLiteral("data services left off"));
        dialog->deleteLater();
    });
    dialog->show();
}

void DialogsScreen::showLocation()
{
    auto *dialog = new EnableLocationDialog(this);
    connect(dialog, &EnableLocationDialog::done, this, [this, dialog](bool fromSettings) {
        answer(fromSettings ? QStringLiteral("back from the settings") : QStringLiteral("location left off"));
        dialog->deleteLater();
    });
    dialog->show();
}

void DialogsScreen::showPlaceNotFound()
{
    // It deletes itself once answered.
    auto *dialog = new PlaceNotFoundDialog;
    dialog->show();
}

void DialogsScreen::showFavoriteToast()
{
    // It deletes itself when it goes away.
    auto *toast = new FavoriteToast;
    toast->show();
}

void DialogsScreen::showCustomDialog()
{
    if (!m_custom) {
        m_custom = new CustomDialog(this);
        m_custom->setObjectName(QStringLiteral("ChoiceDialog"));
        connect(m_custom, &CustomDialog::dialogResult, this, &DialogsScreen::onCustomDialogResult);
    }
    m_custom->reset();
    m_custom->setTitle(QStringLiteral("Distance units"));
    auto *choices = new CustomRadioGroup;
    choices->setObjectName(QStringLiteral("Units"));
    choices->addOption(QStringLiteral("Kilometres"), QStringLiteral("metric"));
    choices->addOption(QStringLiteral("Miles"), QStringLiteral("imperial"));
    m_custom->setContent(choices);
    m_custom->show();
}

void DialogsScreen::onCustomDialogResult(Control *content, const QVariant &)
{
    auto *choices = qobject_cast<CustomRadioGroup *>(content);
    if (m_custom->getResult() != 0 || !choices)
        answer(QStringLiteral("the choice was cancelled"));
    else
        answer(QStringLiteral("chose ") + choices->selectedValue().toString());
}
