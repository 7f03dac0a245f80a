#ifndef HX_TRELLAN_TEXTAREA_H
#define HX_TRELLAN_TEXTAREA_H

#include <hx/trellan/abstracttextcontrol.h>

namespace hx {
namespace trellan {

// A multi-line text, editable or read-only, whose content flags say how it is marked up
// (TextContentFlag: 1 active text, 2 active text off). As in a TextField, typing gives
// textChanging on every keystroke and the text is committed (textChanged) when the area loses
// the focus; setText from code commits at once.
class TextArea : public AbstractTextControl
{
    Q_OBJECT
    Q_PROPERTY(bool editable READ isEditable WRITE setEditable)
    Q_PROPERTY(QString hintText READ hintText WRITE setHintText)
    Q_PROPERTY(int contentFlags READ contentFlags WRITE setContentFlags)
    Q_PROPERTY(int inputMode READ inputMode WRITE setInputMode)
public:
    explicit TextArea(QObject *parent = nullptr);
    explicit TextArea(const QString &text, QObject *parent = nullptr);

    bool isEditable() const { return m_editable; }
    void setEditable(bool editable) { m_editable = editable; }
    QString hintText() const { return m_hintText; }
    void setHintText(const QString &hint) { m_hintText = hint; }
    int contentFlags() const { return m_contentFlags; }
    void setContentFlags(int flags) { m_contentFlags = flags; }
    int inputMode() const { return m_inputMode; }
    void setInputMode(int mode) { m_inputMode = mode; }

    // A user's typing: focus, then textChanging after each character; a read-only or disabled
    // area ignores it.
    void typeText(const QString &text);
    // A paste: the whole text at once, one textChanging.
    void pasteText(const QString &text);

signals:
    void textChanging(const QString &text);

private:
    void followCommits();
    void commit();

    QString m_committed;
    bool m_editable = true;
    QString m_hintText;
    int m_contentFlags = 0;
    int m_inputMode = 0;
};

} // namespace trellan
} // namespace hx

#endif
