#include <hx/trellan/button.h>
#include <hx/trellan/color.h>
#include <hx/trellan/container.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/customdialog.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>

#include "customdialog_p.h"

namespace hx {
namespace trellan {
namespace places {

using namespace hx::trellan;

namespace {

// The toolkit's alignment value the box takes in both directions.
const int BoxAlignment = 2;

} // namespace

CustomDialogPrivate::CustomDialogPrivate(CustomDialog *owner)
    : q(owner),
      backdrop(new Container(owner)),
      title(new Label),
      contentContainer(new Container),
      okButton(new Button),
      cancelButton(new Button)
{
    // The backdrop covers the whole display so that nothing behind the box can be touched.
    const QSize display = UIConfig::displaySize();
    backdrop->setPreferredSize(display.width(), display.height());
    backdrop->setHorizontalAlignment(HorizontalAlignment::Fill);
    backdrop->setVerticalAlignment(VerticalAlignment::Fill);
    backdrop->setBackground(Color::fromRGBA(0.0f, 0.0f, 0.0f, 0.5f));

    Container *box = new Container;
    box->setHorizontalAlignment(BoxAlignment);
    box->setVerticalAlignment(BoxAlignment);
    const float border = UIConfig::du(PlaceUtils::BORDER_SIZE);
    box->setLeftPadding(border);
    box->setRightPadding(border);
    box->setTopPadding(border);
    box->setBottomPadding(border);
    box->setBackground(Color::fromARGB(CustomDialog::BACKGROUND_COLOR));

    Container *buttons = new Container;
    StackLayout *buttonLayout = new StackLayout;
    buttonLayout->setOrientation(LayoutOrientation::LeftToRight);
    buttons->setLayout(buttonLayout);
    buttons->add(okButton);
    buttons->add(cancelButton);

    box->add(title);
    box->add(contentContainer);
    box->add(buttons);
    backdrop->add(box);
}

void CustomDialogPrivate::finish(int value)
{
    if (dialog)
        dialog->close();
    result = value;
    emit q->dialogResult(content, userData);
}

CustomDialog::CustomDialog(QObject *parent)
    : CustomControl(parent), PickerRetrans(true), d(new CustomDialogPrivate(this))
{
    connect(d->okButton, &Button::clicked, this, &CustomDialog::onOKButton);
    connect(d->cancelButton, &Button::clicked, this, &CustomDialog::onCancelButton);
    retranslateUI();
}

CustomDialog::~CustomDialog()
{
    delete d;
}

void CustomDialog::retranslateUI()
{
    d->okButton->setText(QCoreApplication::translate("hx::trellan::places::CustomDialog", "OK"));
    d->cancelButton->setText(QCoreApplication::translate("hx::trellan::places::CustomDialog", "Cancel"));
}

void CustomDialog::setTitle(const QString &title)
{
    d->title->setText(title);
}

void CustomDialog::setContent(Control *content)
{
    d->content = content;
    if (content)
        d->contentContainer->add(content);
}

Control *CustomDialog::content() const
{
    return d->content;
}

void CustomDialog::setUserData(const QVariant &userData)
{
    d->userData = userData;
}

void CustomDialog::show()
{
    if (!d->dialog)
        d->dialog = new Dialog(this);
    // reset() empties the toolkit dialog; the same backdrop comes back with the new content.
    if (d->dialog->content() != d->backdrop)
        d->dialog->setContent(d->backdrop);
    if (!d->dialog->isOpened())
        d->dialog->open();
}

bool CustomDialog::isOpened() const
{
    return d->dialog && d->dialog->isOpened();
}

void CustomDialog::reset()
{
    if (d->content) {
        d->contentContainer->remove(d->content);
        // Later: the content may be the sender of the signal that led here.
        d->content->deleteLater();
    }
    d->content = nullptr;
    if (d->dialog)
        d->dialog->resetContent();
    d->userData = QVariant();
}

int CustomDialog::getResult() const
{
    return d->result;
}

void CustomDialog::onOKButton()
{
    d->finish(0);
}

void CustomDialog::onCancelButton()
{
    d->finish(1);
}

} // namespace places
} // namespace trellan
} // namespace hx
