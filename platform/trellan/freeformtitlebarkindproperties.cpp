#include <hx/trellan/freeformtitlebarkindproperties.h>

namespace hx {
namespace trellan {

FreeFormTitleBarKindProperties::FreeFormTitleBarKindProperties(QObject *parent) : UIObject(parent) { }

void FreeFormTitleBarKindProperties::setContent(Control *content)
{
    m_content = content;
    if (content)
        content->setParent(this);
}

} // namespace trellan
} // namespace hx
