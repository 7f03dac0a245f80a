#include <hx/trellan/places/newselectorsearchbar.h>
#include <hx/trellan/places/sharedlink.h>

#include <hx/trellan/places/newselectorfilter.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QSignalBlocker>

namespace hx {
namespace trellan {
namespace places {

NewSelectorSearchBar::NewSelectorSearchBar(QObject *parent) : Container(parent), m_field(new hx::trellan::TextField)
{
    setObjectName(QStringLiteral("NewSelectorSearchBar"));
    setLayout(new hx::trellan::StackLayout);
    setMinHeight(UIConfig::du(PlaceUtils::DEFAULT_SEARCH_BOX_HEIGHT));
    const float padding = UIConfig::du(PlaceUtils::SMALL_PADDING);
    setLeftPadding(padding);
    setRightPadding(padding);
    setTopPadding(padding);
    m_field->setObjectName(QStringLiteral("SearchField"));
    // Past the longest text a search or a link query takes, keys would only reload the list.
    m_field->setMaximumLength(SharedLink::MAX_TEXT_LENGTH);
    m_field->setClearButtonVisible(true);
    add(m_field);
    connect(m_field, &hx::trellan::TextField::textChanging, this, &NewSelectorSearchBar::textChanging);
    connect(m_field, &hx::trellan::TextField::submitted, this, &NewSelectorSearchBar::onSubmitted);
    retranslateUI();
}

NewSelectorSearchBar::~NewSelectorSearchBar() = default;

QString NewSelectorSearchBar::text() const
{
    return m_field->text();
}

void NewSelectorSearchBar::setText(const QString &text)
{
    m_field->setText(text);
}

void NewSelectorSearchBar::setTextNoSignal(const QString &text)
{
    QSignalBlocker blocker(m_field);
    m_field->setText(text);
}

void NewSelectorSearchBar::setFilter(int filter)
{
    m_filter = filter;
    retranslateUI();
}

void NewSelectorSearchBar::onSubmitted(hx::trellan::AbstractTextControl *)
{
    Q_EMIT submitted(m_field->text());
}

void NewSelectorSearchBar::retranslateUI()
{
    switch (m_filter) {
    case NewSelectorFilter::Recents:
        m_field->setHintText(QCoreApplication::translate("Places", "Search Recents"));
        break;
    case NewSelectorFilter::Contacts:
        m_field->setHintText(QCoreApplication::translate("Places", "Search Contacts"));
        break;
    default:
        m_field->setHintText(QCoreApplication::translate("Places", "Type to enter search term or address"));
        break;
    }
}

} // namespace places
} // namespace trellan
} // namespace hx
