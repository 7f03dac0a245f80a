#include <hx/trellan/textfield.h>
#include <hx/trellan/validator.h>

#include <limits>

namespace hx {
namespace trellan {

struct TextField::Private
{
    QString hintText;
    int inputMode = 0;
    Validator *validator = nullptr;
    bool clearButtonVisible = true;
    int maximumLength = 0;
    QString committed;
};

TextField::TextField(QObject *parent) : AbstractTextControl(parent), d(new Private)
{
    connect(this, &AbstractTextControl::textChanged, this, [this](const QString &text) { d->committed = text; });
    connect(this, &Control::focusedChanged, this, [this](bool focused) {
        if (!focused)
            commit();
    });
}

TextField::~TextField() = default;

QString TextField::hintText() const
{
    return d->hintText;
}
void TextField::setHintText(const QString &hint)
{
    d->hintText = hint;
}
int TextField::inputMode() const
{
    return d->inputMode;
}
void TextField::setInputMode(int mode)
{
    d->inputMode = mode;
}
Validator *TextField::validator() const
{
    return d->validator;
}
void TextField::setValidator(Validator *validator)
{
    if (d->validator == validator)
        return;
    delete d->validator;
    d->validator = validator;
    if (validator)
        validator->setParent(this);
}
bool TextField::isClearButtonVisible() const
{
    return d->clearButtonVisible;
}
void TextField::setClearButtonVisible(bool visible)
{
    d->clearButtonVisible = visible;
}

int TextField::maximumLength() const
{
    return d->maximumLength;
}
void TextField::setMaximumLength(int length)
{
    d->maximumLength = qMax(0, length);
}

int TextField::room() const
{
    return d->maximumLength > 0 ? qMax(0, d->maximumLength - text().size()) : std::numeric_limits<int>::max();
}

void TextField::userEdit(const QString &text)
{
    storeText(text);
    emit textChanging(text);
    if (d->validator && d->validator->mode() == 1)
        d->validator->requestValidation();
}

void TextField::typeText(const QString &text)
{
    if (!isEnabled())
        return;
    requestFocus();
    for (int i = 0; i < text.size(); ++i) {
        // A character of two units goes in whole or not at all.
        const int units = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        if (room() < units)
            return;
        userEdit(this->text() + text.mid(i, units));
        i += units - 1;
    }
}

void TextField::pasteText(const QString &text)
{
    if (!isEnabled())
        return;
    requestFocus();
    int fits = qMin(room(), text.size());
    if (fits < text.size() && fits > 0 && text.at(fits - 1).isHighSurrogate())
        --fits;
    if (fits > 0)
        userEdit(this->text() + text.left(fits));
}

void TextField::eraseText(int count)
{
    if (!isEnabled())
        return;
    requestFocus();
    for (int i = 0; i < count && !text().isEmpty(); ++i)
        userEdit(text().left(text().size() - 1));
}

void TextField::replaceText(const QString &text)
{
    if (!isEnabled())
        return;
    requestFocus();
    if (!this->text().isEmpty())
        userEdit(QString());
    typeText(text);
}

void TextField::commit()
{
    if (d->committed == text())
        return;
    d->committed = text();
    emit textChanged(d->committed);
    if (d->validator && d->validator->mode() == 3)
        d->validator->requestValidation();
}

void TextField::submit()
{
    commit();
    emit submitted(this);
}

} // namespace trellan
} // namespace hx
