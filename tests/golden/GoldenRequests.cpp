#include "GoldenRequests.h"

namespace golden {

namespace {

const std::string LongHex = "&H" + std::string(260, 'F');
const std::string LongHexOfOne = "&H" + std::string(270, '0') + "1";
const std::string LongOctal = "&O" + std::string(360, '7');

} // namespace

const std::vector<std::string>& OddTexts()
{
    static const std::vector<std::string> texts = {
        "",      " ",     "\t",         "abc",     "-",     ".",      ",",
        "&H",    "&O",    "&",          "E5",      "1e400", "1e308",  "-1e308",
        "1e100", LongHex, LongHexOfOne, LongOctal, "1.2.3", "1e-400", "  "};
    return texts;
}

namespace {

const std::vector<std::string>& MachTexts()
{
    static const std::vector<std::string> texts = {"1",
                                                   "0",
                                                   "-2",
                                                   "0.5",
                                                   "1.0000000001",
                                                   "1.0001",
                                                   "1.05",
                                                   "1.2",
                                                   "1.49",
                                                   "1.5",
                                                   "1.51",
                                                   "2",
                                                   "1.4142135623731",
                                                   "2.5",
                                                   "2,5",
                                                   "3",
                                                   "5",
                                                   "10",
                                                   "100",
                                                   "1e154",
                                                   "1e155",
                                                   "2abc",
                                                   "2D0",
                                                   "2d1",
                                                   "0.2E1",
                                                   "&H2",
                                                   "&h3",
                                                   "&O3",
                                                   "+2",
                                                   "-1.5",
                                                   "  2 ",
                                                   " 1 . 5 ",
                                                   "2.",
                                                   ".5E1"};
    return texts;
}

// The deflection typed for a β or an M1 request.
const std::vector<std::string>& TetaTexts()
{
    static const std::vector<std::string> texts = {
        "-1",   "-0.0001", "0",    "-0",  "1E-300",  "0.0001", "5",      "10",
        "20",   "22.9",    "23",   "30",  "33.2",    "33.25",  "33.3",   "33.35",
        "33.4", "45",      "45.5", "46",  "89.9999", "90",     "95",     "10abc",
        "1D1",  "&HA",     "&O12", "+10", "1,5",     "10,5",   "10.5.1", "1 0"};
    return texts;
}

// The wave angle typed for a θ request: around the Mach angles 30° (M1 = 2) and 45° (M1 = √2)
// and around 90°.
const std::vector<std::string>& WaveAngleTexts()
{
    static const std::vector<std::string> texts = {"-10",
                                                   "0",
                                                   "10",
                                                   "29.9",
                                                   "29.9999999999999",
                                                   "30",
                                                   "30.000000000001",
                                                   "19.4712",
                                                   "39.3139",
                                                   "44.9999999",
                                                   "45",
                                                   "45.0000001",
                                                   "64.6",
                                                   "80",
                                                   "89.9999",
                                                   "90",
                                                   "90.0001",
                                                   "95",
                                                   "-1e78",
                                                   "40abc",
                                                   "4D1",
                                                   "&H28",
                                                   "&O50",
                                                   "+40",
                                                   "40,5"};
    return texts;
}

// The wave angle typed for an M1 request, negative ones included.
const std::vector<std::string>& MachModeWaveAngleTexts()
{
    static const std::vector<std::string> texts = {
        "-90",   "-80",     "-45",   "-10", "-0.0001", "0",       "5",    "10",         "20",
        "30",    "39.3139", "45",    "60",  "84.9",    "89.9999", "90",   "90.0000001", "91",
        "-1e78", "-1e300",  "40abc", "4D1", "&H28",    "+40",     "40,5", "-3e78"};
    return texts;
}

using Box = std::optional<std::string> Request::*;

// Every text of one list with every text of the other.
void AddGrid(std::vector<Request>& requests, const Request& base, Box first,
             const std::vector<std::string>& firsts, Box second,
             const std::vector<std::string>& seconds)
{
    for (const std::string& a : firsts) {
        for (const std::string& b : seconds) {
            Request request = base;
            request.*first = a;
            request.*second = b;
            requests.push_back(request);
        }
    }
}

// The two lists crossed, then every odd text in each box with the other box's partners.
void AddGridWithOddTexts(std::vector<Request>& requests, const Request& base, Box first,
                         const std::vector<std::string>& firsts,
                         const std::vector<std::string>& firstPartners, Box second,
                         const std::vector<std::string>& seconds,
                         const std::vector<std::string>& secondPartners)
{
    AddGrid(requests, base, first, firsts, second, seconds);
    AddGrid(requests, base, first, OddTexts(), second, secondPartners);
    AddGrid(requests, base, first, firstPartners, second, OddTexts());
}

} // namespace

std::vector<Request> ListedRequests()
{
    std::vector<Request> requests;
    const auto weak = OptionButton::Option_Weak;
    const auto strong = OptionButton::Option_Strong;
    const auto beta = OptionButton::Option_Beta;
    const auto teta = OptionButton::Option_Teta;
    const auto mach = OptionButton::Option_M1;

    // With the "," separator, fewer texts: those that show how numbers are read and written.
    const std::vector<std::string> commaMachs = {"1",   "1,0001", "1.5",   "2",    "2,5",
                                                 "2.5", "3",      "1e308", "2abc", "&H2"};
    const std::vector<std::string> commaTetas = {"0",    "10", "10,5", "10.5",  "33.3",
                                                 "45.5", "90", "1,5",  "1e400", ""};
    const std::vector<std::string> commaBetas = {"10", "30", "39,3139", "39.3139", "45",
                                                 "90", "95", "-10",     "-45,5",   "-1e78"};

    // β as output, on both branches.
    for (const auto branch : {weak, strong}) {
        const Request base{beta, branch, ".", {}, {}, {}};
        AddGridWithOddTexts(requests, base, &Request::M1, MachTexts(), {"1.5", "2"}, &Request::Teta,
                            TetaTexts(), {"10", "33.3"});
        const Request comma{beta, branch, ",", {}, {}, {}};
        AddGrid(requests, comma, &Request::M1, commaMachs, &Request::Teta, commaTetas);
    }
    // β with neither branch selected, around the non-converging strong case and the detached
    // shocks.
    AddGrid(requests, {beta, std::nullopt, ".", {}, {}, {}}, &Request::M1,
            {"1.49", "1.5", "1.51", "2", "1", "1e308"}, &Request::Teta,
            {"0", "10", "22.9", "23", "33.3", "45.5", "90"});

    // θ as output.
    AddGridWithOddTexts(requests, {teta, weak, ".", {}, {}, {}}, &Request::M1, MachTexts(),
                        {"1.5", "2"}, &Request::Beta, WaveAngleTexts(), {"30", "45"});
    AddGrid(requests, {teta, strong, ",", {}, {}, {}}, &Request::M1, commaMachs, &Request::Beta,
            commaBetas);

    // M1 as output.
    AddGridWithOddTexts(requests, {mach, weak, ".", {}, {}, {}}, &Request::Teta, TetaTexts(),
                        {"10", "30"}, &Request::Beta, MachModeWaveAngleTexts(), {"40", "-40"});
    AddGrid(requests, {mach, weak, ",", {}, {}, {}}, &Request::Teta, commaTetas, &Request::Beta,
            commaBetas);

    // No output chosen: whatever is typed, the click only asks for a choice.
    for (const char* separator : {".", ","}) {
        for (const auto branch :
             {std::optional{weak}, std::optional{strong}, std::optional<OptionButton>{}}) {
            requests.push_back({std::nullopt, branch, separator, "2", "10", "40"});
            requests.push_back(
                {std::nullopt, branch, separator, std::nullopt, std::nullopt, std::nullopt});
            requests.push_back({std::nullopt, branch, separator, "1e400", LongHex, "abc"});
        }
    }
    // Boxes left as the output choice blanked them.
    for (const auto output : {beta, teta, mach}) {
        requests.push_back({output, weak, ".", std::nullopt, std::nullopt, std::nullopt});
        requests.push_back({output, strong, ".", "2", std::nullopt, std::nullopt});
        requests.push_back({output, weak, ".", std::nullopt, "10", "40"});
        requests.push_back({output, weak, ",", "2", "10", "40"});
    }
    return requests;
}

} // namespace golden
