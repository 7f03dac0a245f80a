#ifndef HX_TRELLAN_OPTION_H
#define HX_TRELLAN_OPTION_H

#include <hx/trellan/image.h>
#include <hx/trellan/uiobject.h>

#include <QtCore/QUrl>
#include <QtCore/QVariant>

namespace hx {
namespace trellan {

// One choice of a DropDown, RadioGroup or segmented TitleBar.
class Option : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QString description READ description WRITE setDescription)
    Q_PROPERTY(QVariant value READ value WRITE setValue)
    Q_PROPERTY(QUrl imageSource READ imageSource WRITE setImageSource)
    Q_PROPERTY(bool selected READ isSelected WRITE setSelected NOTIFY selectedChanged)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled)
public:
    explicit Option(QObject *parent = nullptr);
    Option(const QString &text, const QVariant &value, QObject *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    QString description() const { return m_description; }
    void setDescription(const QString &description) { m_description = description; }
    QVariant value() const { return m_value; }
    void setValue(const QVariant &value) { m_value = value; }
    QUrl imageSource() const { return m_source; }
    void setImageSource(const QUrl &source);
    Image image() const { return m_image; }
    void setImage(const Image &image) { m_image = image; }
    bool isSelected() const { return m_selected; }
    // Selecting an option of a group selects it in the group (the others lose it).
    void setSelected(bool selected);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

signals:
    void selectedChanged(bool selected);

private:
    QString m_text;
    QString m_description;
    QVariant m_value;
    QUrl m_source;
    Image m_image;
    bool m_selected = false;
    bool m_enabled = true;
};

} // namespace trellan
} // namespace hx

#endif
