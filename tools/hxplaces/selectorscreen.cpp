#include "selectorscreen.h"

#include <hx/trellan/label.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/selectedplace.h>
#include <hx/trellan/places/selectorsheet.h>

#include <QtCore/QScopedPointer>

using namespace hx::trellan;
using namespace hx::trellan::places;

SelectorScreen::SelectorScreen(QObject *parent) : NavigationPane(parent)
{
    setObjectName(QStringLiteral("SelectorScreen"));
    auto *sheet = new SelectorSheet(this, this);
    connect(sheet, &SelectorSheet::placeSelected, this, [this, sheet] {
        QScopedPointer<SelectedPlace> picked(sheet->getSelectedPlace());
        showAnswer(picked ? QStringLiteral("Card: picked %1").arg(picked->name()) : QStringLiteral("Card: cancelled"));
    });
    push(sheet);
}

void SelectorScreen::showAnswer(const QString &text)
{
    auto *answer = new Label(text);
    answer->setObjectName(QStringLiteral("Answer"));
    auto *page = new Page;
    page->setContent(answer);
    push(page);
}
