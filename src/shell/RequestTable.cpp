#include "shell/RequestTable.h"

#include "form/ProgramName.h"

#include <cerrno>
#include <cstring>

namespace {

struct Row {
    std::string_view label;
    TextBox box;
};

constexpr Row Rows[] = {{"M1", TextBox::Text_M1},      {"θ", TextBox::Text_Teta},
                        {"β", TextBox::Text_Beta},     {"Mn1", TextBox::Text_Mn1},
                        {"Mn2", TextBox::Text_Mn2},    {"M2", TextBox::Text_M2},
                        {"p2/p1", TextBox::Text_p2p1}, {"T2/T1", TextBox::Text_T2T1}};

// The texts start in this column, two after the longest label.
constexpr std::size_t TextColumn = 7;
// The shock's texts, two after "β at θmax".
constexpr std::size_t ShockTextColumn = 11;

// Characters, not bytes: θ and β take two bytes in UTF-8 and one column on a terminal.
std::size_t Columns(std::string_view utf8)
{
    std::size_t columns = 0;
    for (char c : utf8)
        columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return columns;
}

bool Typed(const ShellRequest& request, TextBox box)
{
    switch (box) {
    case TextBox::Text_M1:
        return request.M1.has_value();
    case TextBox::Text_Teta:
        return request.Teta.has_value();
    case TextBox::Text_Beta:
        return request.Beta.has_value();
    default:
        return false;
    }
}

} // namespace

std::string RequestTable(const ShellRequest& request, const ShellAnswer& answer)
{
    std::string table;
    for (const Row& row : Rows) {
        if (!Typed(request, row.box) && !answer.Written(row.box))
            continue;
        table += row.label;
        if (const std::string& text = answer.Text(row.box); !text.empty()) {
            table.append(TextColumn - Columns(row.label), ' ');
            table += text;
        }
        table += '\n';
    }
    return table;
}

std::string ShockTable(const ShellAnswer& answer)
{
    std::string table;
    for (ShockValue value : AllShockValues) {
        const std::string& text = answer.shock.Text(value);
        if (text.empty())
            continue;
        const std::string_view label = ShockValueName(value);
        table += label;
        table.append(ShockTextColumn - Columns(label), ' ');
        table += text;
        table += '\n';
    }
    return table;
}

int StreamError()
{
    return errno != 0 ? errno : EIO;
}

int WriteAll(std::FILE* stream, std::string_view text)
{
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stream) != text.size())
        return StreamError();
    errno = 0;
    if (std::fflush(stream) != 0)
        return StreamError();
    return 0;
}

int AnswerLost(std::FILE* errors, int error)
{
    std::fprintf(errors, "%s: could not write the answer: %s\n", ProgramName, std::strerror(error));
    return WriteFailedStatus;
}

int RunOneRequest(const ShellRequest& request, const std::string& decimalSeparator, std::FILE* out,
                  std::FILE* errors, ChartSurface* chart)
{
    return PrintAnswer(request, Answer(request, decimalSeparator, chart), decimalSeparator, out,
                       errors);
}

int PrintAnswer(const ShellRequest& request, const ShellAnswer& answer,
                const std::string& decimalSeparator, std::FILE* out, std::FILE* errors)
{
    // The table first, flushed, then what is said about it: where both streams go to one file,
    // the table comes whole and first.
    std::string tables = RequestTable(request, answer);
    if (const std::string shock = ShockTable(answer); !shock.empty())
        tables += "\n" + shock;
    const int lost = WriteAll(out, tables);
    std::string said;
    for (const std::string& note : ReadNotes(request, decimalSeparator))
        said += note + '\n';
    for (const std::string& message : answer.messages)
        said += message + '\n';
    if (WriteAll(errors, said) != 0)
        return WriteFailedStatus;
    if (lost != 0)
        return AnswerLost(errors, lost);
    return ExitStatus(answer.outcome.kind);
}
