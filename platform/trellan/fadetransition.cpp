#include <hx/trellan/control.h>
#include <hx/trellan/fadetransition.h>

#include <QtCore/QPropertyAnimation>

namespace hx {
namespace trellan {

namespace {
// The fades playing now, on the main thread, where tests and the screens run.
QList<QPointer<FadeTransition>> &playingFades()
{
    static QList<QPointer<FadeTransition>> fades;
    return fades;
}
} // namespace

FadeTransition::FadeTransition(Control *target)
    : UIObject(target), m_target(target), m_animation(new QPropertyAnimation(this))
{
    m_animation->setPropertyName("opacity");
    m_animation->setDuration(0);
    m_animation->setTargetObject(target);
    connect(m_animation, &QPropertyAnimation::finished, this, [this] {
        playingFades().removeAll(this);
        emit playingChanged(false);
        emit ended();
    });
}

FadeTransition::~FadeTransition()
{
    playingFades().removeAll(this);
}

Control *FadeTransition::target() const
{
    return m_target;
}

void FadeTransition::setTarget(Control *target)
{
    stop();
    m_target = target;
    m_animation->setTargetObject(target);
    setParent(target);
}

float FadeTransition::fromOpacity() const
{
    return m_from;
}
void FadeTransition::setFromOpacity(float opacity)
{
    m_from = opacity;
}
float FadeTransition::toOpacity() const
{
    return m_to;
}
void FadeTransition::setToOpacity(float opacity)
{
    m_to = opacity;
}
int FadeTransition::duration() const
{
    return m_animation->duration();
}
void FadeTransition::setDuration(int milliseconds)
{
    m_animation->setDuration(qMax(0, milliseconds));
}

bool FadeTransition::isPlaying() const
{
    return m_animation->state() == QAbstractAnimation::Running;
}

void FadeTransition::play()
{
    if (!m_target)
        return;
    stop();
    m_target->setOpacity(m_from);
    m_animation->setStartValue(m_from);
    m_animation->setEndValue(m_to);
    playingFades().append(this);
    emit started();
    emit playingChanged(true);
    m_animation->start();
}

void FadeTransition::stop()
{
    if (!isPlaying())
        return;
    playingFades().removeAll(this);
    m_animation->stop();
    emit playingChanged(false);
}

void FadeTransition::finishAll()
{
    const QList<QPointer<FadeTransition>> fades = playingFades();
    for (const QPointer<FadeTransition> &fade : fades) {
        // Moving a running animation to its end writes the end value and finishes it.
        if (fade && fade->isPlaying())
            fade->m_animation->setCurrentTime(fade->m_animation->totalDuration());
    }
}

} // namespace trellan
} // namespace hx
