#ifndef HX_TRELLAN_ACTIONITEM_H
#define HX_TRELLAN_ACTIONITEM_H

#include <hx/trellan/image.h>
#include <hx/trellan/uiobject.h>

#include <QtCore/QUrl>

namespace hx {
namespace trellan {

// An action on a page's action bar, a title bar or a context menu.
class ActionItem : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(QUrl imageSource READ imageSource WRITE setImageSource)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled RESET resetEnabled NOTIFY enabledChanged)
    Q_PROPERTY(int actionBarPlacement READ actionBarPlacement WRITE setActionBarPlacement)
    Q_PROPERTY(bool focused READ isFocused NOTIFY focusedChanged)
public:
    explicit ActionItem(QObject *parent = nullptr);
    ~ActionItem() override;

    QString title() const;
    void setTitle(const QString &title);
    QUrl imageSource() const;
    void setImageSource(const QUrl &source);
    Image image() const;
    void setImage(const Image &image);
    bool isEnabled() const;
    void resetEnabled();
    int actionBarPlacement() const;
    void setActionBarPlacement(int placement);
    bool isFocused() const;
    // Takes the screen's one focus (FocusRequester).
    Q_INVOKABLE void requestFocus();

    // A user's tap: triggered, unless disabled.
    bool trigger();

public slots:
    void setEnabled(bool enabled);

signals:
    void triggered();
    void titleChanged(const QString &title);
    void enabledChanged(bool enabled);
    void focusedChanged(bool focused);

private:
    friend class FocusRequester;
    void applyFocus(bool focused);

    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif
