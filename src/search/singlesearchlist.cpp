#include <hx/trellan/activityindicator.h>
#include <hx/trellan/datamodel.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/places/footer.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/singlesearchlist.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

using hx::trellan::UIConfig;

namespace {
// The list's bottom padding in design units while the collapse footer shows under it.
const float footerPadding = 7.0f;
} // namespace

SingleSearchList::SingleSearchList(QObject *parent)
    : Container(parent),
      PickerRetrans(true),
      m_list(new hx::trellan::ListView),
      m_footer(new Footer(QLatin1String(ItemType::FOOTER_COLLAPSE))),
      m_spinner(new hx::trellan::ActivityIndicator),
      m_emptyView(new Container),
      m_noResults(new hx::trellan::Label)
{
    setObjectName(QStringLiteral("SingleSearchList"));
    setLayout(new hx::trellan::StackLayout);
    m_spinner->setObjectName(QStringLiteral("SearchListSpinner"));
    m_spinner->setVisible(false);
    m_spinner->setHorizontalAlignment(HorizontalAlignment::Center);
    m_spinner->setPreferredSize(UIConfig::du(PlaceUtils::SPINNER_SIZE), UIConfig::du(PlaceUtils::SPINNER_SIZE));
    add(m_spinner);
    m_list->setObjectName(QStringLiteral("SearchList"));
    m_list->setSpaceQuota(1.0f);
    add(m_list);
    m_emptyView->setObjectName(QStringLiteral("EmptyView"));
    m_emptyView->setHorizontalAlignment(HorizontalAlignment::Center);
    m_emptyView->setVisible(false);
    m_noResults->setObjectName(QStringLiteral("NoResultsLabel"));
    m_emptyView->add(m_noResults);
    add(m_emptyView);
    m_footer->setObjectName(QStringLiteral("CollapseFooter"));
    m_footer->setVisible(false);
    add(m_footer);
    m_spinnerDelay.setSingleShot(true);
    // A coarse timer may fire a little early, and the delay is a promise to fast loads.
    m_spinnerDelay.setTimerType(Qt::PreciseTimer);
    m_spinnerDelay.setInterval(SPINNER_DELAY_MS);
    connect(&m_spinnerDelay, &QTimer::timeout, this, &SingleSearchList::onSingleShotTimer);
    connect(m_list, &hx::trellan::ListView::triggered, this, &SingleSearchList::triggered);
    connect(m_footer, &Footer::footerClicked, this, [this] { onSectionExpanderTouched(nullptr); });
    retranslateUI();
}

SingleSearchList::~SingleSearchList()
{
    m_list->resetDataModel();
}

void SingleSearchList::setDataModel(hx::trellan::DataModel *model)
{
    m_list->setDataModel(model);
}

void SingleSearchList::setListItemProvider(hx::trellan::ListItemProvider *provider)
{
    m_list->setListItemProvider(provider);
}

hx::trellan::ListItemProvider *SingleSearchList::getListItemProvider() const
{
    return m_list->listItemProvider();
}

void SingleSearchList::showSpinner(bool show)
{
    if (show) {
        // A load that ends before the timer fires never shows the spinner.
        if (!m_spinnerShown)
            m_spinnerDelay.start();
        return;
    }
    m_spinnerDelay.stop();
    m_spinnerShown = false;
    m_spinner->stop();
    m_spinner->setVisible(false);
    applyLeadingVisual();
}

void SingleSearchList::onSingleShotTimer()
{
    m_spinnerShown = true;
    applyLeadingVisual();
    m_spinner->setVisible(true);
    m_spinner->start();
}

void SingleSearchList::showFooter(bool visible)
{
    m_footer->setVisible(visible);
    m_list->setBottomPadding(visible ? UIConfig::du(footerPadding) : 0.0f);
}

bool SingleSearchList::isFooterVisible() const
{
    return m_footer->isVisible();
}

void SingleSearchList::showEmpty()
{
    hx::trellan::DataModel *model = m_list->dataModel();
    const bool empty = !model || model->childCount(QVariantList()) == 0;
    m_emptyView->setVisible(empty);
    m_noResults->setVisible(empty);
}

void SingleSearchList::hideEmpty()
{
    m_emptyView->setVisible(false);
}

void SingleSearchList::hideNoResultsLabel()
{
    m_noResults->setVisible(false);
}

void SingleSearchList::setLeadingVisual(hx::trellan::Control *visual)
{
    if (m_leadingVisual) {
        remove(m_leadingVisual);
        delete m_leadingVisual;
    }
    m_leadingVisual = visual;
    if (visual)
        insert(0, visual);
    applyLeadingVisual();
}

void SingleSearchList::setLeadingVisualVisible(bool visible)
{
    m_leadingVisualWanted = visible;
    applyLeadingVisual();
}

void SingleSearchList::showLeadingVisual(bool show)
{
    setLeadingVisualVisible(show);
}

void SingleSearchList::hideLeadingVisual(bool hide)
{
    setLeadingVisualVisible(!hide);
}

void SingleSearchList::applyLeadingVisual()
{
    // The spinner takes the leading visual's place while it shows.
    if (m_leadingVisual)
        m_leadingVisual->setVisible(m_leadingVisualWanted && !m_spinnerShown);
}

void SingleSearchList::scrollToLeadingVisual(float)
{
    m_list->scrollToItem(QVariantList { 0 });
}

void SingleSearchList::clearSelection()
{
    m_list->clearSelection();
}

void SingleSearchList::setAsFocused(const QVariantList &indexPath)
{
    m_list->setAsFocused(indexPath);
}

void SingleSearchList::onSectionExpanderTouched(hx::trellan::TapEvent *)
{
    emit reverseExpand();
}

void SingleSearchList::retranslateUI()
{
    m_noResults->setText(QCoreApplication::translate("Places", "No Results Found"));
}

} // namespace places
} // namespace trellan
} // namespace hx
