#include "translatedtitle.h"

#include <hx/trellan/places/retranslatehelper.h>
#include <hx/trellan/titlebar.h>

#include <QtCore/QCoreApplication>

using hx::trellan::places::RetranslateHelper;

void setTranslatedTitle(hx::trellan::TitleBar *bar, const char *source, const QString &argument)
{
    const auto apply = [bar, source, argument] {
        const QString title = QCoreApplication::translate("Places", source);
        bar->setTitle(argument.isNull() ? title : title.arg(argument));
    };
    apply();
    QObject::connect(new RetranslateHelper(bar), &RetranslateHelper::retranslate, bar, apply);
}
