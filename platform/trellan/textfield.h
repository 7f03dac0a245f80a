#ifndef HX_TRELLAN_TEXTFIELD_H
#define HX_TRELLAN_TEXTFIELD_H

#include <hx/trellan/abstracttextcontrol.h>

namespace hx {
namespace trellan {

class Validator;

// A one-line editable text. While the user types, textChanging comes on every keystroke; the
// text is committed (textChanged) when the user submits or leaves the field. setText from code
// commits at once.
class TextField : public AbstractTextControl
{
    Q_OBJECT
    Q_PROPERTY(QString hintText READ hintText WRITE setHintText)
    Q_PROPERTY(int inputMode READ inputMode WRITE setInputMode)
    Q_PROPERTY(hx::trellan::Validator *validator READ validator WRITE setValidator)
    Q_PROPERTY(bool clearButtonVisible READ isClearButtonVisible WRITE setClearButtonVisible)
    Q_PROPERTY(int maximumLength READ maximumLength WRITE setMaximumLength)
public:
    explicit TextField(QObject *parent = nullptr);
    ~TextField() override;

    QString hintText() const;
    void setHintText(const QString &hint);
    int inputMode() const;
    void setInputMode(int mode);
    Validator *validator() const;
    // Takes ownership.
    void setValidator(Validator *validator);
    bool isClearButtonVisible() const;
    void setClearButtonVisible(bool visible);
    // The most characters a user can enter (0: no limit); keys past it change nothing, and a
    // paste is cut to fit.
    int maximumLength() const;
    void setMaximumLength(int length);

    // What a user does with the keyboard: typeText adds each character in turn (textChanging
    // after each), eraseText removes count characters from the end (textChanging after each),
    // replaceText clears then types. submit commits and emits submitted. pasteText adds the
    // whole text at once, as a paste from the clipboard does (one textChanging).
    void typeText(const QString &text);
    void pasteText(const QString &text);
    void eraseText(int count);
    void replaceText(const QString &text);
    void submit();

signals:
    void textChanging(const QString &text);
    void submitted(hx::trellan::AbstractTextControl *control);

private:
    int room() const;
    void userEdit(const QString &text);
    void commit();

    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif
