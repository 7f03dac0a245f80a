#ifndef HX_TRELLAN_PLACES_CURRENTCOORDINATE_H
#define HX_TRELLAN_PLACES_CURRENTCOORDINATE_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/selectorcoordinate.h>

#include <QtCore/QObject>

namespace hx {
namespace trellan {
namespace places {

// The fix a location worker publishes. The worker writes it on its own thread while the UI
// thread polls it without a lock: set() stores the values before the state (release), and
// state() reads the state first (acquire), so a reader that sees Valid also sees the values
// of that fix. value() gives a consistent copy even while a newer fix is being stored.
class HXPLACES_EXPORT CurrentCoordinate : public QObject, public SelectorCoordinate
{
    Q_OBJECT

public:
    enum State { NoFix = 0, Valid = 1, Failed = 2 };

    // State NoFix, error 0, all five values NaN.
    explicit CurrentCoordinate(QObject *parent = nullptr);
    ~CurrentCoordinate() override;

    int state() const { return m_state.load(std::memory_order_acquire); }
    int error() const { return m_error.load(std::memory_order_relaxed); }

    // State Valid and neither latitude nor longitude NaN: the only fix consumers may use.
    bool isUsable() const;
    // A copy of the five values that were stored together.
    SelectorCoordinate value() const;

    // NoFix, error 0, latitude and longitude NaN; the other three values are kept.
    void reset();
    // Copies the five values, then sets Valid, then emits updated().
    void set(const SelectorCoordinate &coordinate);
    // Keeps the coordinates, stores the errno value, sets Failed; no signal.
    void setFailed(int error);

signals:
    void updated();

private:
    void beginWrite();
    void endWrite();

    std::atomic<int> m_state;
    std::atomic<int> m_error;
    std::atomic<unsigned int> m_sequence; // odd while a writer is storing values
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
