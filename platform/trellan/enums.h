#ifndef HX_TRELLAN_ENUMS_H
#define HX_TRELLAN_ENUMS_H

#include <QtCore/QMetaType>
#include <QtCore/QObject>

// The toolkit's numbered values. Properties that take them are plain ints, so a caller may pass
// either the name or the number, and a test reads back the number that was set.
namespace hx {
namespace trellan {

struct HorizontalAlignment
{
    Q_GADGET
public:
    enum Type { Left = 0, Center = 1, Right = 2, Fill = 3 };
    Q_ENUM(Type)
};

struct VerticalAlignment
{
    Q_GADGET
public:
    enum Type { Top = 0, Center = 1, Bottom = 2, Fill = 3 };
    Q_ENUM(Type)
};

struct LayoutOrientation
{
    Q_GADGET
public:
    enum Type { TopToBottom = 0, BottomToTop = 1, LeftToRight = 2, RightToLeft = 3 };
    Q_ENUM(Type)
};

struct FocusPolicy
{
    Q_GADGET
public:
    enum Type { Default = 0, None = 1, Touch = 2, Key = 3 };
    Q_ENUM(Type)
};

struct ScrollMode
{
    Q_GADGET
public:
    enum Type { Default = 0, Vertical = 1, Horizontal = 2, Both = 3 };
    Q_ENUM(Type)
};

struct ActionBarPlacement
{
    Q_GADGET
public:
    enum Type { Default = 0, OnBar = 1, InOverflow = 2, Signature = 3 };
    Q_ENUM(Type)
};

struct UIOrientation
{
    Q_GADGET
public:
    enum Type { Portrait = 0, Landscape = 1 };
    Q_ENUM(Type)
};

struct TextContentFlag
{
    Q_GADGET
public:
    enum Type { Default = 0, ActiveText = 1, ActiveTextOff = 2 };
    Q_ENUM(Type)
};

struct TextFormat
{
    Q_GADGET
public:
    enum Type { Auto = 0, Plain = 1, Html = 2 };
    Q_ENUM(Type)
};

struct TouchType
{
    Q_GADGET
public:
    enum Type { Down = 0, Move = 1, Up = 2, Cancel = 3 };
    Q_ENUM(Type)
};

struct FontSize
{
    Q_GADGET
public:
    // Any other number is a percentage of the base style's size ("passed as the number given").
    enum Type { Default = 0, XSmall = 80, Small = 90, Medium = 100, Large = 110 };
    Q_ENUM(Type)
};

struct FontWeight
{
    Q_GADGET
public:
    enum Type { Default = 0, Normal = 1, Bold = 7 };
    Q_ENUM(Type)
};

struct HighlightAppearance
{
    Q_GADGET
public:
    enum Type { Default = 0, None = 1, Frame = 2, Full = 3 };
    Q_ENUM(Type)
};

struct DataModelChangeType
{
    Q_GADGET
public:
    enum Type { Init = 0, AddRemove = 1, Update = 2 };
    Q_ENUM(Type)
};

struct TitleBarKind
{
    Q_GADGET
public:
    enum Type { Default = 0, Segmented = 1, FreeForm = 2, TextField = 3 };
    Q_ENUM(Type)
};

struct TitleBarScrollBehavior
{
    Q_GADGET
public:
    enum Type { Default = 0, Sticky = 1, NonSticky = 2 };
    Q_ENUM(Type)
};

struct TextInputMode
{
    Q_GADGET
public:
    enum Type { Default = 0, Text = 1, Url = 2, EmailAddress = 3, PhoneNumber = 4, NumbersAndPunctuation = 5 };
    Q_ENUM(Type)
};

struct ValidationMode
{
    Q_GADGET
public:
    enum Type { Default = 0, Immediate = 1, Delayed = 2, FocusLost = 3, Custom = 4 };
    Q_ENUM(Type)
};

struct ValidationState
{
    Q_GADGET
public:
    enum Type { Unknown = 0, InProgress = 1, Valid = 2, Invalid = 3 };
    Q_ENUM(Type)
};

struct ResizeBehavior
{
    Q_GADGET
public:
    enum Type { Auto = 0, Resize = 1, None = 2 };
    Q_ENUM(Type)
};

} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::UIOrientation::Type)
Q_DECLARE_METATYPE(hx::trellan::DataModelChangeType::Type)

#endif
