#ifndef HX_TRELLAN_SHEET_H
#define HX_TRELLAN_SHEET_H

#include <hx/trellan/abstractpane.h>

#include <QtQml/QQmlListProperty>

namespace hx {
namespace trellan {

// A pane shown over the screen. open() and close() change isOpened() at once; opened() and
// closed() come from the event loop, as after the animation. Open sheets are listed, in
// opening order, by openSheets() for the screen text and the test driver.
class Sheet : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(hx::trellan::AbstractPane *content READ content WRITE setContent)
    Q_PROPERTY(bool peekEnabled READ isPeekEnabled WRITE setPeekEnabled)
    Q_PROPERTY(bool opened READ isOpened NOTIFY openedChanged)
    Q_CLASSINFO("DefaultProperty", "content")
public:
    explicit Sheet(QObject *parent = nullptr);
    ~Sheet() override;

    AbstractPane *content() const;
    // Takes ownership; a previous content stays owned until reparented.
    void setContent(AbstractPane *content);
    bool isPeekEnabled() const;
    void setPeekEnabled(bool enabled);
    bool isOpened() const;

    static QList<Sheet *> openSheets();

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
