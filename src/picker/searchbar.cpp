#include <hx/trellan/places/searchbar.h>

#include <hx/trellan/button.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/keylistener.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/textfield.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

SearchBar::SearchBar(QObject *parent)
    : Container(parent), PickerRetrans(true), m_field(new hx::trellan::TextField), m_cancel(new hx::trellan::Button)
{
    setObjectName(QStringLiteral("FilterSearchBar"));
    auto *layout = new hx::trellan::StackLayout;
    layout->setOrientation(hx::trellan::LayoutOrientation::LeftToRight);
    setLayout(layout);
    setBackground(PlaceUtils::BACKGROUND_COLOR);

    m_field->setObjectName(QStringLiteral("FilterField"));
    m_field->setSpaceQuota(1.0f);
    add(m_field);
    m_cancel->setObjectName(QStringLiteral("FilterCancelButton"));
    add(m_cancel);

    connect(m_field, &hx::trellan::TextField::textChanging, this, &SearchBar::onTextChanging);
    connect(m_cancel, &hx::trellan::Button::clicked, this, &SearchBar::onClicked);

    setVisible(false);
    m_field->setVisible(false);
    retranslateUI();
}

SearchBar::~SearchBar() = default;

void SearchBar::onTextChanging(const QString &text)
{
    setVisible(true);
    m_field->setVisible(true);
    m_field->requestFocus();
    emit filterChanged(text);
}

void SearchBar::onClicked()
{
    close();
    emit filterChanged(QString());
}

void SearchBar::listenForKeys(hx::trellan::Control *control)
{
    auto *listener = new hx::trellan::KeyListener(control);
    connect(listener, &hx::trellan::KeyListener::keyPressed, this, &SearchBar::onKeyPressed);
}

void SearchBar::onKeyPressed(const QString &key)
{
    // A disabled bar (over an empty list) has nothing to filter.
    if (isEnabled())
        m_field->typeText(key);
}

void SearchBar::close()
{
    setVisible(false);
    m_field->setVisible(false);
    // Emptied quietly: the filter is cleared by whoever closes the bar.
    {
        const QSignalBlocker blocker(m_field);
        m_field->resetText();
    }
    m_field->loseFocus();
}

void SearchBar::enable()
{
    setEnabled(true);
}

void SearchBar::disable()
{
    setEnabled(false);
}

void SearchBar::retranslateUI()
{
    m_field->setHintText(QCoreApplication::translate("Places", "Search"));
    m_cancel->setText(QCoreApplication::translate("Places", "Cancel"));
}

} // namespace places
} // namespace trellan
} // namespace hx
