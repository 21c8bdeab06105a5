#include "form/ControlModel.h"

#include <cstddef>

namespace {

// Each list holds every enumerator once, at the index of its value.
template <typename Enum, std::size_t Count>
constexpr bool InValueOrder(const Enum (&all)[Count])
{
    for (std::size_t i = 0; i < Count; ++i) {
        if (static_cast<std::size_t>(all[i]) != i)
            return false;
    }
    return true;
}
static_assert(InValueOrder(AllTextBoxes));
static_assert(InValueOrder(AllOptionButtons));
static_assert(InValueOrder(AllElements));

} // namespace

std::string_view ControlName(TextBox box)
{
    switch (box) {
    case TextBox::Text_M1:
        return "Text_M1";
    case TextBox::Text_Teta:
        return "Text_Teta";
    case TextBox::Text_Beta:
        return "Text_Beta";
    case TextBox::Text_Mn1:
        return "Text_Mn1";
    case TextBox::Text_Mn2:
        return "Text_Mn2";
    case TextBox::Text_M2:
        return "Text_M2";
    case TextBox::Text_p2p1:
        return "Text_p2p1";
    case TextBox::Text_T2T1:
        return "Text_T2T1";
    }
    return {};
}

std::string_view ControlName(OptionButton option)
{
    switch (option) {
    case OptionButton::Option_M1:
        return "Option_M1";
    case OptionButton::Option_Teta:
        return "Option_Teta";
    case OptionButton::Option_Beta:
        return "Option_Beta";
    case OptionButton::Option_Weak:
        return "Option_Weak";
    case OptionButton::Option_Strong:
        return "Option_Strong";
    }
    return {};
}

std::string_view ControlName(Element element)
{
    switch (element) {
    case Element::Frame3:
        return "Frame3";
    case Element::Label_Teta:
        return "Label_Teta";
    case Element::Label_Beta:
        return "Label_Beta";
    }
    return {};
}
