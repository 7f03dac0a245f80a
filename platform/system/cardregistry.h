#ifndef HX_SYSTEM_CARDREGISTRY_H
#define HX_SYSTEM_CARDREGISTRY_H

#include <QtCore/QString>

namespace hx {
namespace system {

// Which program answers a card target. The registry is a folder of small JSON files, one per
// card: {"target": "sys.places.placepicker", "program": "hx-placepickercard"}. A relative
// program is looked for beside the running program, then in the installed program folder,
// then on PATH. The folder is HX_CARD_REGISTRY when set, else the one installed with the
// project, else (in a build tree) share/hxtrellanplaces/cards beside the program's folder.
class CardRegistry
{
public:
    static QString folder();
    // The program to start for target, as an absolute path; empty when no card answers to it
    // or its program cannot be found.
    static QString programFor(const QString &target);
};

} // namespace system
} // namespace hx

#endif
