#include <hx/trellan/places/newselectorfilter.h>

#include <hx/trellan/docklayout.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/layoutupdatehandler.h>
#include <hx/trellan/option.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QSignalBlocker>

namespace hx {
namespace trellan {
namespace places {

namespace {

const float PADDING = 20.0f;

struct FilterOption
{
    const char *name;
    const char *text;
};

const FilterOption OPTIONS[] = {
    { "FilterAll", QT_TRANSLATE_NOOP("Places", "All") },
    { "FilterRecents", QT_TRANSLATE_NOOP("Places", "Recents") },
    { "FilterContacts", QT_TRANSLATE_NOOP("Places", "Contacts") },
};
const int OPTION_COUNT = int(sizeof(OPTIONS) / sizeof(OPTIONS[0]));

bool inRange(int index)
{
    return index >= 0 && index < OPTION_COUNT;
}

} // namespace

NewSelectorFilter::NewSelectorFilter(QObject *parent) : Container(parent), m_dropDown(new hx::trellan::DropDown)
{
    setObjectName(QStringLiteral("NewSelectorFilter"));
    setLayout(new hx::trellan::DockLayout);
    setLeftPadding(PADDING);
    setRightPadding(PADDING);
    setTopPadding(PADDING);
    setBottomPadding(PADDING);
    m_dropDown->setObjectName(QStringLiteral("FilterDropDown"));
    m_dropDown->setHorizontalAlignment(HorizontalAlignment::Fill);
    m_dropDown->setVerticalAlignment(VerticalAlignment::Fill);
    for (int i = 0; i < OPTION_COUNT; ++i) {
        auto *option = new hx::trellan::Option;
        option->setObjectName(QLatin1String(OPTIONS[i].name));
        option->setValue(i);
        m_dropDown->add(option);
    }
    add(m_dropDown);
    connect(m_dropDown, &hx::trellan::DropDown::selectedIndexChanged, this, &NewSelectorFilter::onSelectedIndexChanged);
    connect(m_dropDown, &hx::trellan::DropDown::expandedChanged, this, &NewSelectorFilter::filterExpandedChanged);
    // The drop-down grows when it opens; the list keeps it in view.
    auto *frame = new hx::trellan::LayoutUpdateHandler(m_dropDown);
    connect(frame, &hx::trellan::LayoutUpdateHandler::layoutFrameChanged, this,
            &NewSelectorFilter::onLayoutFrameChanged);
    retranslateUI();
}

NewSelectorFilter::~NewSelectorFilter() = default;

void NewSelectorFilter::setFilter(int index)
{
    if (inRange(index))
        m_dropDown->setSelectedIndex(index);
}

void NewSelectorFilter::setFilterNoSignal(int index)
{
    QSignalBlocker blocker(m_dropDown);
    setFilter(index);
}

int NewSelectorFilter::getFilter() const
{
    return m_dropDown->selectedIndex();
}

void NewSelectorFilter::onSelectedIndexChanged(int index)
{
    m_dropDown->setExpanded(false);
    Q_EMIT selectedIndexChanged(index);
}

void NewSelectorFilter::onLayoutFrameChanged(const QRectF &frame)
{
    Q_EMIT scrollToLeadingVisual(float(frame.y()));
}

void NewSelectorFilter::retranslateUI()
{
    m_dropDown->setTitle(QCoreApplication::translate("Places", "Places"));
    for (int i = 0; i < OPTION_COUNT; ++i)
        m_dropDown->at(i)->setText(QCoreApplication::translate("Places", OPTIONS[i].text));
}

} // namespace places
} // namespace trellan
} // namespace hx
