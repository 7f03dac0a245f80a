#ifndef HXPLACES_TRANSLATEDTITLE_H
#define HXPLACES_TRANSLATEDTITLE_H

#include <QtCore/QString>

namespace hx {
namespace trellan {
class TitleBar;
}
} // namespace hx

// Titles a screen of the simulator in the context "Places" (source marked with
// QT_TRANSLATE_NOOP), now and again after every language switch; %1 is filled with argument.
void setTranslatedTitle(hx::trellan::TitleBar *bar, const char *source, const QString &argument = QString());

#endif
