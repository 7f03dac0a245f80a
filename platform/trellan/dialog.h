#ifndef HX_TRELLAN_DIALOG_H
#define HX_TRELLAN_DIALOG_H

#include <hx/trellan/control.h>

namespace hx {
namespace trellan {

// A control shown over the screen (the toolkit's own dialog, not a system one). opened() and
// closed() come from the event loop; open dialogs are listed by openDialogs().
class Dialog : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(hx::trellan::Control *content READ content WRITE setContent)
    Q_PROPERTY(bool opened READ isOpened NOTIFY openedChanged)
    Q_CLASSINFO("DefaultProperty", "content")
public:
    explicit Dialog(QObject *parent = nullptr);
    ~Dialog() override;

    Control *content() const;
    // Takes ownership; a previous content stays owned until reparented; null clears it.
    void setContent(Control *content);
    void resetContent() { setContent(nullptr); }
    bool isOpened() const;

    static QList<Dialog *> openDialogs();

public slots:
    void open();
    void close();

signals:
    void opened();
    void closed();
    void openedChanged(bool opened);

private:
    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif
