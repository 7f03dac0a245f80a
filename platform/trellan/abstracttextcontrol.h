#ifndef HX_TRELLAN_ABSTRACTTEXTCONTROL_H
#define HX_TRELLAN_ABSTRACTTEXTCONTROL_H

#include <hx/trellan/control.h>
#include <hx/trellan/textstyle.h>

#include <QtCore/QVariant>

namespace hx {
namespace trellan {

// Text, its style and format: the common part of Label, TextField and TextArea.
class AbstractTextControl : public Control
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText RESET resetText NOTIFY textChanged)
    Q_PROPERTY(int textFormat READ textFormat WRITE setTextFormat)
    Q_PROPERTY(QVariant textStyle READ textStyleVariant WRITE setTextStyleVariant)
public:
    explicit AbstractTextControl(QObject *parent = nullptr);
    ~AbstractTextControl() override;

    QString text() const;
    // Emits textChanged when the text differs (unless signals are blocked).
    void setText(const QString &text);
    void resetText();
    int textFormat() const;
    void setTextFormat(int format);

    TextStyle textStyle() const;
    void setTextStyle(const TextStyle &style);
    void resetTextStyle();

signals:
    void textChanged(const QString &text);

protected:
    // Stores the text without any signal; for subclasses that emit their own.
    void storeText(const QString &text);

private:
    QVariant textStyleVariant() const;
    void setTextStyleVariant(const QVariant &style);

    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif
