#include "textfolding_p.h"

namespace hx {
namespace platform {
namespace places {

QString TextFolding::fold(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
            || category == QChar::Mark_Enclosing)
            continue;
        folded.append(c.toLower());
    }
    return folded;
}

QStringList TextFolding::words(const QString &text)
{
    const QString folded = fold(text);
    QStringList words;
    QString current;
    for (const QChar c : folded) {
        if (c.isLetterOrNumber()) {
            current.append(c);
        } else if (!current.isEmpty()) {
            words.append(current);
            current.clear();
        }
    }
    if (!current.isEmpty())
        words.append(current);
    return words;
}

bool TextFolding::matchesAll(const QStringList &queryWords, const QStringList &words)
{
    for (const QString &query : queryWords) {
        bool found = false;
        for (const QString &word : words) {
            if (word.startsWith(query)) {
                found = true;
                break;
            }
        }
        if (!found)
            return false;
    }
    return true;
}

} // namespace places
} // namespace platform
} // namespace hx
