#include "selectorscreen.h"

#include <hx/trellan/label.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/selectedplace.h>
#include <hx/trellan/places/selectorsheet.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QScopedPointer>

using namespace hx::trellan;
using namespace hx::trellan::places;

namespace {

// The desktop the simulator runs on is online: say so as the phone's network service would,
// unless the session already did, so the page asks about data services only when told to.
void publishDataServices()
{
    const QString root = qEnvironmentVariable("HX_PPS_ROOT");
    if (root.isEmpty())
        return;
    const QString path = root + QStringLiteral("/services/networking/status_public");
    if (QFileInfo::exists(path))
        return;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("@status_public\nip_ok::yes\n");
}

} // namespace

SelectorScreen::SelectorScreen(QObject *parent) : NavigationPane(parent)
{
    setObjectName(QStringLiteral("SelectorScreen"));
    publishDataServices();
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
