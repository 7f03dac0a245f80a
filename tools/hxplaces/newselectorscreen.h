#ifndef HXPLACES_NEWSELECTORSCREEN_H
#define HXPLACES_NEWSELECTORSCREEN_H

#include <hx/trellan/navigationpane.h>

#include <QtCore/QPointer>

namespace hx {
namespace trellan {
class Label;
namespace places {
class NewSelector;
}
} // namespace trellan
} // namespace hx

// The sheet My Places opens to add a favourite, home or work, over a page standing for My Places
// whose "Answer" label says what the sheet told it.
class NewSelectorScreen : public hx::trellan::NavigationPane
{
    Q_OBJECT
public:
    // kind: "home", "work" or "favorite"; false for anything else.
    static bool isKind(const QString &kind);
    explicit NewSelectorScreen(const QString &kind, QObject *parent = nullptr);

private:
    void answer(const QString &text);

    hx::trellan::Label *m_answer;
    QPointer<hx::trellan::places::NewSelector> m_selector;
};

#endif
