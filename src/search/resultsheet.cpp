#include <hx/trellan/actionitem.h>
#include <hx/trellan/activityindicator.h>
#include <hx/trellan/container.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/mapsearchresultsitemicon.h>
#include <hx/trellan/places/placeslistitembuilder.h>
#include <hx/trellan/places/resultsheet.h>
#include <hx/trellan/places/searchlistitemmanager.h>
#include <hx/trellan/places/tcsslicedatamodel.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/titlebar.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Place;

namespace {

// The map results' rows: the distance beside the name.
class MapSearchResultsBuilder : public PlacesListItemBuilder
{
public:
    ItemIconCommon *createPlacesListItem() override { return new MapSearchResultsItemIcon; }
};

// Pixels: the foot of the list that shows while the next slice loads.
const float loadingAreaHeight = 100.0f;

} // namespace

ResultSheet::ResultSheet(TCSSliceDataModel *model, QObject *parent)
    : Sheet(parent),
      PickerRetrans(true),
      m_model(model),
      m_rows(new SearchListItemManager(QSharedPointer<PlacesListItemBuilder>(new MapSearchResultsBuilder))),
      m_titleBar(new hx::trellan::TitleBar),
      m_close(new hx::trellan::ActionItem),
      m_list(new hx::trellan::ListView),
      m_loadingArea(new hx::trellan::Container)
{
    setObjectName(QStringLiteral("ResultSheet"));
    auto *page = new hx::trellan::Page;
    m_close->setObjectName(QStringLiteral("CloseAction"));
    m_titleBar->setDismissAction(m_close);
    page->setTitleBar(m_titleBar);
    auto *body = new hx::trellan::Container;
    body->setLayout(new hx::trellan::StackLayout);
    m_list->setObjectName(QStringLiteral("ResultList"));
    m_list->setListItemProvider(m_rows.data());
    m_list->setDataModel(model);
    m_list->setSpaceQuota(1.0f);
    body->add(m_list);
    m_loadingArea->setObjectName(QStringLiteral("LoadingArea"));
    auto *spinner = new hx::trellan::ActivityIndicator;
    spinner->setObjectName(QStringLiteral("SliceSpinner"));
    m_loadingArea->add(spinner);
    setLoadingAreaHeight(0.0f);
    body->add(m_loadingArea);
    page->setContent(body);
    setContent(page);
    connect(m_close, &hx::trellan::ActionItem::triggered, this, &ResultSheet::onSheetCloseAction);
    connect(m_list, &hx::trellan::ListView::triggered, this, &ResultSheet::onSliceListItemTriggered);
    connect(m_list, &hx::trellan::ListView::atEndChanged, this, &ResultSheet::onAtEndChanged);
    // A list that already shows its end when the sheet opens has reached it too.
    connect(this, &hx::trellan::Sheet::opened, this, [this] { onAtEndChanged(m_list->isAtEnd()); });
    connect(m_list, &hx::trellan::ListView::firstVisibleItemChanged, this, &ResultSheet::firstVisibleItemChanged);
    connect(model, &TCSSliceDataModel::gettingSlice, this, &ResultSheet::loadingSlice);
    connect(model, &PlacesDataModel::modelLoadedFinal, this, &ResultSheet::doneLoadingSlice);
    connect(model, &TCSSliceDataModel::sliceAbandoned, this, &ResultSheet::doneLoadingSlice);
    retranslateUI();
}

ResultSheet::~ResultSheet()
{
    m_list->resetDataModel();
}

void ResultSheet::setTitle(const QString &searchText)
{
    m_searchText = searchText;
    retranslateUI();
}

void ResultSheet::loadingSlice()
{
    m_loading = true;
    setLoadingAreaHeight(loadingAreaHeight);
    m_loadingArea->findChild<hx::trellan::ActivityIndicator *>()->start();
}

void ResultSheet::doneLoadingSlice()
{
    m_loading = false;
    m_loadingArea->findChild<hx::trellan::ActivityIndicator *>()->stop();
    setLoadingAreaHeight(0.0f);
}

void ResultSheet::setLoadingAreaHeight(float pixels)
{
    m_loadingArea->setMinHeight(pixels);
    m_loadingArea->setMaxHeight(pixels);
    m_loadingArea->setVisible(pixels > 0.0f);
}

void ResultSheet::onSliceListItemTriggered(const QVariantList &indexPath)
{
    const QSharedPointer<Place> place = m_model->fullPlace(indexPath).dynamicCast<Place>();
    if (place)
        emit placeSelected(place, indexPath);
}

void ResultSheet::onSheetCloseAction()
{
    close();
}

void ResultSheet::onAtEndChanged(bool atEnd)
{
    if (atEnd && isOpened() && !m_loading)
        m_model->getNextSlice();
}

void ResultSheet::retranslateUI()
{
    m_titleBar->setTitle(QCoreApplication::translate("Places", "Results for: %1").arg(m_searchText));
    m_close->setTitle(QCoreApplication::translate("Places", "Close"));
}

} // namespace places
} // namespace trellan
} // namespace hx
