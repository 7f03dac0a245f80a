#ifndef HX_TRELLAN_CONTROL_H
#define HX_TRELLAN_CONTROL_H

#include <hx/trellan/touchevent.h>
#include <hx/trellan/uiobject.h>

#include <QtCore/QScopedPointer>

namespace hx {
namespace trellan {

class ActionSet;
class ControlPrivate;
class TapHandler;

// What every control has: visibility, enabled state, focus, alignment, margins, paddings,
// sizes, layout share and transforms. Everything set is stored and reads back unchanged; nothing
// is drawn. Sizes and margins are in pixels (convert design units with UIConfig::du).
class Control : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible NOTIFY visibleChanged)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled RESET resetEnabled NOTIFY enabledChanged)
    Q_PROPERTY(int focusPolicy READ focusPolicy WRITE setFocusPolicy RESET resetFocusPolicy)
    Q_PROPERTY(bool focused READ isFocused NOTIFY focusedChanged)
    Q_PROPERTY(
        int horizontalAlignment READ horizontalAlignment WRITE setHorizontalAlignment RESET resetHorizontalAlignment)
    Q_PROPERTY(int verticalAlignment READ verticalAlignment WRITE setVerticalAlignment RESET resetVerticalAlignment)
    Q_PROPERTY(float leftMargin READ leftMargin WRITE setLeftMargin)
    Q_PROPERTY(float rightMargin READ rightMargin WRITE setRightMargin)
    Q_PROPERTY(float topMargin READ topMargin WRITE setTopMargin)
    Q_PROPERTY(float bottomMargin READ bottomMargin WRITE setBottomMargin)
    Q_PROPERTY(float leftPadding READ leftPadding WRITE setLeftPadding)
    Q_PROPERTY(float rightPadding READ rightPadding WRITE setRightPadding)
    Q_PROPERTY(float topPadding READ topPadding WRITE setTopPadding)
    Q_PROPERTY(float bottomPadding READ bottomPadding WRITE setBottomPadding)
    Q_PROPERTY(float minWidth READ minWidth WRITE setMinWidth)
    Q_PROPERTY(float maxWidth READ maxWidth WRITE setMaxWidth)
    Q_PROPERTY(float preferredWidth READ preferredWidth WRITE setPreferredWidth)
    Q_PROPERTY(float minHeight READ minHeight WRITE setMinHeight)
    Q_PROPERTY(float maxHeight READ maxHeight WRITE setMaxHeight)
    Q_PROPERTY(float preferredHeight READ preferredHeight WRITE setPreferredHeight)
    Q_PROPERTY(float spaceQuota READ spaceQuota WRITE setSpaceQuota)
    Q_PROPERTY(float opacity READ opacity WRITE setOpacity NOTIFY opacityChanged)
    Q_PROPERTY(float translationX READ translationX WRITE setTranslationX)
    Q_PROPERTY(float translationY READ translationY WRITE setTranslationY)
    Q_PROPERTY(float scaleX READ scaleX WRITE setScaleX)
    Q_PROPERTY(float scaleY READ scaleY WRITE setScaleY)
    Q_PROPERTY(float topNudge READ topNudge WRITE setTopNudge)
    Q_PROPERTY(bool defaultHighlightEnabled READ isDefaultHighlightEnabled WRITE setDefaultHighlightEnabled)
    Q_PROPERTY(bool customHighlightEnabled READ isCustomHighlightEnabled WRITE setCustomHighlightEnabled)
public:
    explicit Control(QObject *parent = nullptr);
    ~Control() override;

    bool isVisible() const;
    void setVisible(bool visible);
    bool isEnabled() const;
    void setEnabled(bool enabled);
    void resetEnabled();

    int focusPolicy() const;
    void setFocusPolicy(int policy);
    void resetFocusPolicy();
    bool isFocused() const;
    // Takes the screen's one focus (FocusRequester); loseFocus gives it up.
    Q_INVOKABLE void requestFocus();
    Q_INVOKABLE void loseFocus();

    int horizontalAlignment() const;
    void setHorizontalAlignment(int alignment);
    void resetHorizontalAlignment();
    int verticalAlignment() const;
    void setVerticalAlignment(int alignment);
    void resetVerticalAlignment();

    float leftMargin() const;
    void setLeftMargin(float value);
    float rightMargin() const;
    void setRightMargin(float value);
    float topMargin() const;
    void setTopMargin(float value);
    float bottomMargin() const;
    void setBottomMargin(float value);
    float leftPadding() const;
    void setLeftPadding(float value);
    float rightPadding() const;
    void setRightPadding(float value);
    float topPadding() const;
    void setTopPadding(float value);
    float bottomPadding() const;
    void setBottomPadding(float value);

    float minWidth() const;
    void setMinWidth(float value);
    float maxWidth() const;
    void setMaxWidth(float value);
    float preferredWidth() const;
    void setPreferredWidth(float value);
    void setPreferredSize(float width, float height);
    float minHeight() const;
    void setMinHeight(float value);
    float maxHeight() const;
    void setMaxHeight(float value);
    float preferredHeight() const;
    void setPreferredHeight(float value);
    // -1 when the control takes its preferred size in a stack.
    float spaceQuota() const;
    void setSpaceQuota(float quota);

    float opacity() const;
    void setOpacity(float value);
    float translationX() const;
    void setTranslationX(float value);
    float translationY() const;
    void setTranslationY(float value);
    float scaleX() const;
    void setScaleX(float value);
    float scaleY() const;
    void setScaleY(float value);
    float topNudge() const;
    void setTopNudge(float value);

    bool isDefaultHighlightEnabled() const;
    void setDefaultHighlightEnabled(bool enabled);
    bool isCustomHighlightEnabled() const;
    void setCustomHighlightEnabled(bool enabled);
    bool wantsHighlight() const;
    void setWantsHighlight(bool wants);

    // Gesture handlers (a TapHandler) are owned by the control.
    void addGestureHandler(TapHandler *handler);
    QList<TapHandler *> gestureHandlers() const;
    // Context actions shown on a long press; owned by the control.
    void addActionSet(ActionSet *actionSet);
    int actionSetCount() const;
    ActionSet *actionSetAt(int index) const;
    void removeAllActionSets();

    // What a finger does: a touch of the given TouchType, or a full tap (down, up, then the tap
    // handlers of the innermost control, from this one outwards, that has any). A touch reaches
    // this control, then every control around it (bubbling), each with this control as target.
    // Disabled or hidden controls ignore both and return false.
    bool simulateTouch(int touchType, float x = 0, float y = 0);
    bool simulateTap(float x = 0, float y = 0);

signals:
    void visibleChanged(bool visible);
    void enabledChanged(bool enabled);
    void focusedChanged(bool focused);
    void touch(hx::trellan::TouchEvent *event);
    void opacityChanged(float opacity);
    void wantsHighlightChanged(bool wantsHighlight);

protected:
    QScopedPointer<ControlPrivate> d_control;

private:
    friend class FocusRequester;
    void applyFocus(bool focused);
};

} // namespace trellan
} // namespace hx

#endif
