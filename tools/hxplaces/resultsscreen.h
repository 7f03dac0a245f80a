#ifndef HXPLACES_RESULTSSCREEN_H
#define HXPLACES_RESULTSSCREEN_H

#include <hx/platform/places/coordinates.h>
#include <hx/trellan/page.h>

#include <QtCore/QScopedPointer>

namespace hx {
namespace trellan {
class Label;
class ListView;
namespace places {
class PlacesDataModel;
class SearchListItemManager;
class SingleSearchAllDataModel;
class SingleSearchFilterDataModel;
} // namespace places
} // namespace trellan
} // namespace hx

// The result rows of a search on the user's store, as the search lists draw them: the merged
// sections with their "More" footers; a footer opens its whole category, a name or a
// more-details circle says what a search screen would do with the place.
class ResultsScreen : public hx::trellan::Page
{
    Q_OBJECT
public:
    // The search ranks places by their distance from position.
    ResultsScreen(const QString &text, const hx::platform::places::Coordinates &position, QObject *parent = nullptr);
    ~ResultsScreen() override;

private:
    void show(hx::trellan::places::PlacesDataModel *model);
    QString nameAt(const QVariantList &indexPath) const;

    QString m_text;
    hx::platform::places::Coordinates m_position;
    QScopedPointer<hx::trellan::places::SingleSearchAllDataModel> m_all;
    QScopedPointer<hx::trellan::places::SingleSearchFilterDataModel> m_category;
    QScopedPointer<hx::trellan::places::SearchListItemManager> m_rows;
    hx::trellan::places::PlacesDataModel *m_shown = nullptr;
    hx::trellan::ListView *m_list;
    hx::trellan::Label *m_answer;
};

#endif
