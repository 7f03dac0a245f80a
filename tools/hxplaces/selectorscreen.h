#ifndef HXPLACES_SELECTORSCREEN_H
#define HXPLACES_SELECTORSCREEN_H

#include <hx/trellan/navigationpane.h>

namespace hx {
namespace trellan {
class Label;
class Page;
} // namespace trellan
} // namespace hx

// The picker card as the user sees it: the selector page on the user's store, with an
// "Answer" page pushed over it once the page ends, saying what the card would hand back.
class SelectorScreen : public hx::trellan::NavigationPane
{
    Q_OBJECT
public:
    explicit SelectorScreen(QObject *parent = nullptr);

private:
    void showAnswer(const QString &text);
};

#endif
