#include "shell/Batch.h"

#include "form/ProgramName.h"
#include "shell/RequestTable.h"
#include "shell/ShellRequest.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t RequestFields = 5;
// The gas's column, which a header may add to the request's.
constexpr std::size_t MostRequestFields = RequestFields + 1;
// The records of several lines that the summary names; the others it counts.
constexpr std::int64_t ListedSpans = 3;

// The request's columns, in the order of the header's names.
enum Column : std::size_t { Output, M1, Teta, Beta, Branch, Gamma };
constexpr std::array<std::string_view, MostRequestFields> ColumnNames = {
    "output", "M1", "Teta", "Beta", "branch", "gamma"};
constexpr std::array<std::string_view, 7> ResultNames = {"Mn1",  "Mn2",     "M2",      "p2p1",
                                                         "T2T1", "outcome", "messages"};
// The whole shock's columns after the results, in the order of AllShockValues.
constexpr std::array<std::string_view, std::size(AllShockValues)> ShockNames = {
    "shock_Mn1",   "shock_Mn2",    "shock_M2",          "shock_p2p1",        "shock_rho2rho1",
    "shock_T2T1",  "shock_p02p01", "theta_max",         "beta_at_theta_max", "beta_sonic",
    "theta_sonic", "beta_branch",  "beta_other_branch", "m1_least_attached"};
constexpr std::size_t AnswerFields = MostRequestFields + ResultNames.size() + ShockNames.size();

// The fields of one answer, as they are put together.
class AnswerRecord {
public:
    void Add(std::string_view field) { m_fields[m_size++] = field; }
    void AddShock(const ShockDetails& shock)
    {
        for (const std::string& text : shock.texts)
            Add(text);
    }
    void AddEmpty(std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i)
            Add({});
    }
    void AppendTo(std::string& out, char separator) const
    {
        AppendCsvRecord(out, std::span<const std::string_view>(m_fields.data(), m_size), separator);
    }

private:
    std::array<std::string_view, AnswerFields> m_fields{};
    std::size_t m_size = 0;
};

// A name without the blanks around it.
std::string_view Trimmed(std::string_view text)
{
    const std::size_t begin = std::min(text.find_first_not_of(" \t"), text.size());
    return text.substr(begin, text.find_last_not_of(" \t") + 1 - begin);
}

// Names, outputs and branches are the same whatever their letters' case and the blanks around.
bool Names(std::string_view text, std::string_view name)
{
    text = Trimmed(text);
    // ASCII letters alone: the names are ASCII, and the locale has no say.
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    };
    return std::equal(text.begin(), text.end(), name.begin(), name.end(),
                      [&](char a, char b) { return lower(a) == lower(b); });
}

std::optional<std::optional<OptionButton>> OutputNamed(std::string_view name)
{
    if (Trimmed(name).empty())
        return std::optional<OptionButton>{};
    if (Names(name, "M1"))
        return OptionButton::Option_M1;
    if (Names(name, "Teta"))
        return OptionButton::Option_Teta;
    if (Names(name, "Beta"))
        return OptionButton::Option_Beta;
    return std::nullopt;
}

std::optional<OptionButton> BranchNamed(std::string_view name)
{
    if (Names(name, "weak"))
        return OptionButton::Option_Weak;
    if (Names(name, "strong"))
        return OptionButton::Option_Strong;
    return std::nullopt;
}

std::string_view OutcomeName(OutcomeKind kind)
{
    switch (kind) {
    case OutcomeKind::Solved:
        return "solved";
    case OutcomeKind::Rejected:
        return "refused";
    case OutcomeKind::NoAttachedSolution:
        return "detached";
    case OutcomeKind::CalculationFailed:
        return "failed";
    case OutcomeKind::NoOutputChosen:
        return "no-output";
    }
    return "failed";
}

// An empty field leaves its box as it is; so does the output's own field.
std::optional<std::string> Typed(const std::string& field, std::optional<OptionButton> output,
                                 OptionButton ownOutput)
{
    if (field.empty() || output == ownOutput)
        return std::nullopt;
    return field;
}

std::string Joined(const std::vector<std::string>& messages)
{
    std::string joined;
    for (const std::string& message : messages) {
        if (!joined.empty())
            joined += '\n';
        joined += message;
    }
    return joined;
}

// "3–5": the lines of a record that spans them.
std::string Span(const CsvRecord& record)
{
    return std::to_string(record.firstLine) + "\u2013" + std::to_string(record.lastLine);
}

// "line 3", or "lines 3–5" for a record that spans lines.
std::string Lines(const CsvRecord& record)
{
    if (record.firstLine == record.lastLine)
        return "line " + std::to_string(record.firstLine);
    return "lines " + Span(record);
}

} // namespace

// A header chooses "," or ";" as its separator; ";" files write numbers with decimal commas.
Batch::Batch(std::string& out, std::string& notes)
    : m_out(out), m_notes(notes), m_reader([this](const CsvRecord& record) { Row(record); }, ",;")
{
}

void Batch::Feed(std::string_view data)
{
    if (m_problem.empty())
        m_reader.Feed(data);
}

int Batch::Finish()
{
    if (m_problem.empty())
        m_reader.Finish();
    if (m_problem.empty() && !m_headerRead)
        m_problem = "no header: the input must begin with " + std::string(BatchHeader);
    return m_problem.empty() ? 0 : 2;
}

std::string Batch::Summary() const
{
    const auto count = [](std::int64_t n, const char* what) {
        return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
    };
    std::string summary =
        count(m_records, "record") + " read, " + count(m_answered, "request") + " answered";
    if (m_spanCount == 0)
        return summary;
    summary += "; lines ";
    for (std::size_t i = 0; i < m_spans.size(); ++i) {
        if (i > 0)
            summary += i + 1 == m_spans.size() && m_spanCount <= ListedSpans ? " and " : ", ";
        summary += m_spans[i];
    }
    if (m_spanCount > ListedSpans)
        summary += " and " + std::to_string(m_spanCount - ListedSpans) + " more";
    summary += m_spanCount == 1 ? " were one record" : " were one record each";
    return summary;
}

void Batch::Row(const CsvRecord& record)
{
    if (!m_problem.empty())
        return;
    if (!m_headerRead) {
        Header(record);
        return;
    }
    ++m_records;
    if (record.firstLine != record.lastLine && m_spanCount++ < ListedSpans)
        m_spans.push_back(Span(record));

    const std::vector<std::string>& fields = record.fields;
    const char separator = m_reader.Separator();
    // A ";" file writes its numbers with decimal commas.
    const char decimalMark = separator == ';' ? ',' : '.';
    const auto refuse = [&](const std::string& why) {
        const bool whole = fields.size() == m_fields;
        const auto field = [&](std::size_t i) {
            return whole ? std::string_view(fields[i]) : "";
        };
        const std::string message = Lines(record) + ": " + why;
        AnswerRecord answer;
        for (std::size_t i = 0; i < m_fields; ++i)
            answer.Add(field(i));
        answer.AddEmpty(5); // the results, none of them written
        answer.Add("refused");
        answer.Add(message);
        answer.AddEmpty(ShockNames.size());
        answer.AppendTo(m_out, separator);
    };
    if (record.unclosedQuoteLine != 0) {
        refuse("a quote opened on line " + std::to_string(record.unclosedQuoteLine) +
               " was never closed");
        return;
    }
    if (fields.size() != m_fields) {
        refuse(std::to_string(fields.size()) + (fields.size() == 1 ? " field" : " fields") +
               ", expected " + std::to_string(m_fields));
        return;
    }
    const std::string& outputField = fields[m_at[Output]];
    const auto output = OutputNamed(outputField);
    if (!output) {
        refuse("unknown output \"" + outputField + "\", expected M1, Teta, Beta or nothing");
        return;
    }
    const std::string& branchField = fields[m_at[Branch]];
    const auto branch = BranchNamed(branchField);
    if (!branch) {
        refuse("unknown branch \"" + branchField + "\", expected weak or strong");
        return;
    }

    std::optional<PerfectGas> gas = Air;
    if (m_fields > Gamma) {
        const std::string& gammaField = fields[m_at[Gamma]];
        if (const std::string_view ratio = Trimmed(gammaField); !ratio.empty())
            gas = GasOfRatio(ratio, decimalMark);
        if (!gas) {
            refuse("gamma \"" + gammaField +
                   "\" is not a ratio of specific heats above 1 and at most 3");
            return;
        }
    }

    ShellRequest request;
    request.gas = *gas;
    request.output = *output;
    request.branch = *branch;
    request.M1 = Typed(fields[m_at[M1]], *output, OptionButton::Option_M1);
    request.Teta = Typed(fields[m_at[Teta]], *output, OptionButton::Option_Teta);
    request.Beta = Typed(fields[m_at[Beta]], *output, OptionButton::Option_Beta);
    const std::string decimalSeparator(1, decimalMark);
    const ShellAnswer answer = Answer(request, decimalSeparator);
    ++m_answered;
    for (const std::string& note : ReadNotes(request, decimalSeparator))
        m_notes += Lines(record) + ": " + note + "\n";

    // The request's fields as the file has them, the boxes as the click left them.
    std::array<std::string_view, MostRequestFields> echo;
    std::copy(fields.begin(), fields.end(), echo.begin());
    echo[m_at[M1]] = answer.Text(TextBox::Text_M1);
    echo[m_at[Teta]] = answer.Text(TextBox::Text_Teta);
    echo[m_at[Beta]] = answer.Text(TextBox::Text_Beta);
    const auto result = [&answer](TextBox box) {
        return answer.Written(box) ? std::string_view(answer.Text(box)) : std::string_view();
    };
    const std::string messages = Joined(answer.messages);
    AnswerRecord fieldsOut;
    for (std::size_t i = 0; i < m_fields; ++i)
        fieldsOut.Add(echo[i]);
    for (TextBox box : {TextBox::Text_Mn1, TextBox::Text_Mn2, TextBox::Text_M2, TextBox::Text_p2p1,
                        TextBox::Text_T2T1})
        fieldsOut.Add(result(box));
    fieldsOut.Add(OutcomeName(answer.outcome.kind));
    fieldsOut.Add(messages);
    fieldsOut.AddShock(answer.shock);
    fieldsOut.AppendTo(m_out, separator);
}

// The header names each of the request's columns once, in any order.
void Batch::Header(const CsvRecord& record)
{
    const std::vector<std::string>& fields = record.fields;
    const char separator = m_reader.Separator();
    // The gas's column may be left out, and is the window's then.
    bool known = fields.size() == RequestFields || fields.size() == MostRequestFields;
    std::array<bool, MostRequestFields> named{};
    for (std::size_t i = 0; known && i < fields.size(); ++i) {
        const auto column =
            std::find_if(ColumnNames.begin(), ColumnNames.end(),
                         [&](std::string_view name) { return Names(fields[i], name); });
        const auto index = static_cast<std::size_t>(column - ColumnNames.begin());
        known = column != ColumnNames.end() && !named[index];
        if (known) {
            named[index] = true;
            m_at[index] = i;
        }
    }
    known = known && std::all_of(named.begin(), named.begin() + RequestFields,
                                 [](bool isNamed) { return isNamed; });
    if (!known) {
        std::string header;
        for (const std::string& field : fields)
            header += (header.empty() ? "" : std::string(1, separator)) + field;
        m_problem = Lines(record) + ": the header is \"" + header + "\", expected " +
                    std::string(BatchHeader);
        return;
    }
    m_headerRead = true;
    m_fields = fields.size();
    AnswerRecord names;
    for (const std::string& field : fields)
        names.Add(Trimmed(field));
    for (std::string_view name : ResultNames)
        names.Add(name);
    for (std::string_view name : ShockNames)
        names.Add(name);
    names.AppendTo(m_out, separator);
}

int RunBatch(std::FILE* in, std::FILE* out, std::FILE* errors)
{
    std::string answers;
    std::string notes;
    Batch batch(answers, notes);
    // A file is read in large pieces; a pipe or a terminal as its lines come, each answer written
    // out as soon as its line is read, so that the program can answer another one's requests as
    // they are made.
    const int input = fileno(in);
    struct stat status;
    const bool file = fstat(input, &status) == 0 && S_ISREG(status.st_mode);
    std::array<char, 1 << 16> buffer;
    // The first write that fails is kept, and nothing is written after it.
    int writeError = 0;
    const auto pass = [&](bool flush) {
        std::fwrite(notes.data(), 1, notes.size(), errors);
        notes.clear();
        errno = 0;
        if (writeError == 0 && !answers.empty() &&
            std::fwrite(answers.data(), 1, answers.size(), out) != answers.size())
            writeError = StreamError();
        answers.clear();
        if (writeError == 0 && flush && std::fflush(out) != 0)
            writeError = StreamError();
        if (flush)
            std::fflush(errors);
    };
    int readError = 0;
    for (;;) {
        std::size_t size = 0;
        errno = 0;
        if (file) {
            size = std::fread(buffer.data(), 1, buffer.size(), in);
            if (size < buffer.size() && std::ferror(in))
                readError = StreamError();
        } else if (const auto got = read(input, buffer.data(), buffer.size()); got >= 0) {
            size = static_cast<std::size_t>(got);
        } else if (errno == EINTR) {
            continue;
        } else {
            readError = StreamError();
        }
        batch.Feed(std::string_view(buffer.data(), size));
        pass(!file);
        // A wrong header is said at once: nothing after it is read.
        if (writeError != 0 || readError != 0 || !batch.Problem().empty() ||
            (file ? size < buffer.size() : size == 0))
            break;
    }
    const int exitStatus = writeError == 0 && readError == 0 ? batch.Finish() : 0;
    pass(true);
    if (writeError != 0) {
        std::fprintf(errors, "%s: the answers could not be written: %s\n", ProgramName,
                     std::strerror(writeError));
        return 1;
    }
    if (readError != 0) {
        std::fprintf(errors, "%s: the requests could not be read: %s\n", ProgramName,
                     std::strerror(readError));
        return 1;
    }
    std::fprintf(errors, "%s: %s\n", ProgramName,
                 (exitStatus == 0 ? batch.Summary() : batch.Problem()).c_str());
    return exitStatus;
}
