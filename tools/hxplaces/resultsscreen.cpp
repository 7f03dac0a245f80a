#include "resultsscreen.h"
#include "translatedtitle.h"

#include <hx/platform/places/coordinates.h>
#include <hx/trellan/container.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/myplaceslistitembuilder.h>
#include <hx/trellan/places/searchlistitemmanager.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <hx/trellan/places/singlesearchfilterdatamodel.h>
#include <hx/trellan/titlebar.h>

using namespace hx::trellan;
using namespace hx::trellan::places;
using hx::platform::places::Coordinates;

ResultsScreen::ResultsScreen(const QString &text, const Coordinates &position, QObject *parent)
    : Page(parent),
      m_text(text),
      m_position(position),
      m_all(new SingleSearchAllDataModel(true)),
      m_category(new SingleSearchFilterDataModel),
      m_rows(new SearchListItemManager(QSharedPointer<PlacesListItemBuilder>(new MyPlacesListItemBuilder))),
      m_list(new ListView),
      m_answer(new Label)
{
    setObjectName(QStringLiteral("ResultsScreen"));
    auto *bar = new TitleBar;
    setTranslatedTitle(bar, QT_TRANSLATE_NOOP("Places", "Results for %1"), text);
    setTitleBar(bar);
    auto *body = new Container;
    m_list->setObjectName(QStringLiteral("Results"));
    m_list->setListItemProvider(m_rows.data());
    m_answer->setObjectName(QStringLiteral("Answer"));
    body->add(m_list);
    body->add(m_answer);
    setContent(body);
    connect(m_rows.data(), &SearchListItemManager::titleClicked, this,
            [this](const QVariantList &path) { m_answer->setText(QStringLiteral("Picked: ") + nameAt(path)); });
    connect(m_rows.data(), &SearchListItemManager::infoClicked, this,
            [this](const QVariantList &path) { m_answer->setText(QStringLiteral("Details of: ") + nameAt(path)); });
    // Queued: the tapped footer's row goes with the list's old model.
    connect(
        m_rows.data(), &SearchListItemManager::footerClicked, this,
        [this](const QVariantList &path) {
            const FilterCategory::Type category = ItemType::getFilter(m_shown->itemType(path));
            show(m_category.data());
            m_category->load(category, m_text, m_position, true);
        },
        Qt::QueuedConnection);
    show(m_all.data());
    m_all->load(text, m_position, {}, true);
}

ResultsScreen::~ResultsScreen()
{
    m_list->resetDataModel();
}

void ResultsScreen::show(PlacesDataModel *model)
{
    m_shown = model;
    m_list->setDataModel(model);
}

QString ResultsScreen::nameAt(const QVariantList &indexPath) const
{
    const CachedPlace place = m_shown->place(indexPath);
    return place ? place->name() : QString();
}
