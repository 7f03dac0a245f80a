#ifndef HX_TRELLAN_LABEL_H
#define HX_TRELLAN_LABEL_H

#include <hx/trellan/abstracttextcontrol.h>

namespace hx {
namespace trellan {

// A read-only text.
class Label : public AbstractTextControl
{
    Q_OBJECT
    Q_PROPERTY(bool multiline READ isMultiline WRITE setMultiline)
    Q_PROPERTY(int maxLineCount READ maxLineCount WRITE setMaxLineCount)
public:
    explicit Label(QObject *parent = nullptr);
    explicit Label(const QString &text, QObject *parent = nullptr);

    bool isMultiline() const { return m_multiline; }
    void setMultiline(bool multiline) { m_multiline = multiline; }
    // 0 means no limit.
    int maxLineCount() const { return m_maxLineCount; }
    void setMaxLineCount(int count) { m_maxLineCount = count; }

private:
    bool m_multiline = false;
    int m_maxLineCount = 0;
};

} // namespace trellan
} // namespace hx

#endif
