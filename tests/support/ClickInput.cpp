#include "support/ClickInput.h"

#include "support/RecordingForm.h"

ClickInput DecodeClickInput(std::string_view bytes)
{
    ClickInput input;
    if (bytes.empty())
        return input;

    const auto options = static_cast<unsigned char>(bytes.front());
    constexpr OptionButton Outputs[] = {OptionButton::Option_M1, OptionButton::Option_Teta,
                                        OptionButton::Option_Beta};
    if ((options & 3u) != 0)
        input.output = Outputs[(options & 3u) - 1];
    input.branch = (options & 4u) != 0 ? OptionButton::Option_Strong : OptionButton::Option_Weak;

    std::string* const boxes[] = {&input.M1, &input.Teta, &input.Beta};
    std::size_t box = 0;
    for (char c : bytes.substr(1)) {
        if (c == '|' && box < 2)
            ++box;
        else
            *boxes[box] += c;
    }
    return input;
}

ClickInput DecodeClickInput(const std::uint8_t* data, std::size_t size)
{
    return DecodeClickInput(std::string_view(reinterpret_cast<const char*>(data), size));
}

void Fill(RecordingForm& form, const ClickInput& input)
{
    form.Choose(input.branch);
    if (input.output)
        form.Choose(*input.output);
    form.Type(TextBox::Text_M1, input.M1);
    form.Type(TextBox::Text_Teta, input.Teta);
    form.Type(TextBox::Text_Beta, input.Beta);
}
