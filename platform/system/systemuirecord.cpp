#include <hx/system/systemuirecord.h>

namespace hx {
namespace system {

QStringList SystemUiRecord::buttonLabels() const
{
    QStringList labels;
    for (const Button &button : buttons)
        labels.append(button.label);
    return labels;
}

bool SystemUiRecord::hasButton(const QString &label) const
{
    return buttonLabels().contains(label);
}

QString SystemUiRecord::buttonLabel(SystemUiResult::Type result) const
{
    for (const Button &button : buttons) {
        if (button.result == result)
            return button.label;
    }
    return QString();
}

QString SystemUiRecord::toText() const
{
    static const char *const kinds[] = { "dialog", "progress", "toast" };
    QStringList parts;
    parts << QString::fromLatin1(kinds[kind]);
    if (!objectName.isEmpty())
        parts << QStringLiteral("#") + objectName;
    if (!title.isEmpty())
        parts << QStringLiteral("title \"%1\"").arg(title);
    if (!body.isEmpty())
        parts << QStringLiteral("body \"%1\"").arg(body);
    for (const Button &button : buttons)
        parts << QStringLiteral("[%1%2]").arg(button.label, button.enabled ? QString() : QStringLiteral(" (disabled)"));
    if (activityIndicatorVisible)
        parts << QStringLiteral("(busy)");
    return parts.join(QLatin1Char(' '));
}

} // namespace system
} // namespace hx
