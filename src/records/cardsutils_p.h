#ifndef HX_TRELLAN_PLACES_CARDSUTILS_P_H
#define HX_TRELLAN_PLACES_CARDSUTILS_P_H

namespace hx {
namespace system {
class InvokeManager;
}
namespace trellan {
namespace places {

class CardsUtilsPrivate
{
public:
    // Child of the CardsUtils object, which deletes it.
    hx::system::InvokeManager *invokeManager = nullptr;
    // Picker invocations still to be answered: each is answered once, by its card or, when the
    // invocation fails, with null.
    int pickerAnswersOwed = 0;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
